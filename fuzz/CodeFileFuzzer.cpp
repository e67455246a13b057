// Any "cod_meteoclimatic.txt": checking it and inserting it into the template must not crash or
// overrun.
#include <QFile>
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zaq::fuzz::FuzzProgram program;
    program.writeInput("cod_meteoclimatic.txt", data, size);
    program.app.webTemplates.writeMeteoclimaticTemplate();
    return 0;
}
