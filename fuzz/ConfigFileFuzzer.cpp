// Any "zaq.cfg" on disk: loading it, filling the settings window and saving it again must not
// crash, overrun, or write past a field.
#include <QFile>
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zaq::fuzz::FuzzProgram program;
    zaq::AppContext& app = program.app;
    program.writeInput("zaq.cfg", data, size);
    app.configFile.loadConfiguration();
    app.pcSettings.fillFields();
    // The directories read from the file may name any place on the machine; what is written
    // stays inside the temporary directory.
    program.keepFilesInside();
    app.pcSettings.BOkDirectorioClick();  // answered Cancel: nothing is written
    app.flags.startupDone = true;
    app.startup.run();
    return 0;
}
