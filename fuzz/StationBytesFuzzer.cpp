// Arbitrary bytes from the station line: nothing may crash, overrun or hang.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zaq::fuzz::FuzzProgram program;
    zaq::AppContext& app = program.app;
    if (size > 0) {
        // The first byte chooses the filters and the marked fields, so every branch is reachable.
        app.messagesForm.CBMensCorto.checked = data[0] & 1;
        app.messagesForm.CBHistoriaMeteo.checked = data[0] & 2;
        if (data[0] & 4) {
            app.settingsForm.ELimiteLluvia.colour = zaq::colours::yellow;
            app.settingsForm.EOffset_Bar.colour = zaq::colours::yellow;
        }
        app.flags.minuteFlag = data[0] & 8;
        app.settingsForm.CB5sg.checked = data[0] & 16;
    }
    app.dispatcher.feedStationBytes(reinterpret_cast<const char*>(data), static_cast<int>(size));
    return 0;
}
