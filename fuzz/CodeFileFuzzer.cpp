// Any "cod_meteoclimatic.txt": checking it and inserting it into the template must not crash or
// overrun.
#include <QFile>
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zaq::fuzz::FuzzProgram program;
    {
        QFile file(program.path("cod_meteoclimatic.txt"));
        file.open(QIODevice::WriteOnly);
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    program.app.webTemplates.writeMeteoclimaticTemplate();
    return 0;
}
