// Block headers and records of a datalogger dump made of any bytes: nothing may crash or overrun,
// and a full day is filed without trouble.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    zaq::fuzz::FuzzProgram program;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1),
                           static_cast<qsizetype>(size - 1));
    // The first byte repeats the messages, so that a short input can fill a day of 154 records.
    const int rounds = data[0] % 16 + 1;
    for (int round = 0; round < rounds; ++round) {
        for (const QByteArray& part : bytes.split(')')) {
            program.app.dataLogDecoder.handleDumpMessage(part + ')');
        }
    }
    return 0;
}
