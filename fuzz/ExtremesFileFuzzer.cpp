// Any "extremas.txt" on disk: recovering it, updating the records and writing the line and the
// templates must not crash or overrun.
#include <QFile>
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zaq::fuzz::FuzzProgram program;
    zaq::AppContext& app = program.app;
    program.writeInput("extremas.txt", data, size);
    zaq::StationExtremes& day = app.stationExtremes;
    day.min[zaq::StationExtremes::Humidity] = 40;
    day.min[zaq::StationExtremes::PressureSea] = 1000;
    app.extremesFile.updateExtremes();
    return 0;
}
