#include "core/WindowConstruction.h"

#include "core/AppContext.h"

namespace zaq {

void WindowConstruction::constructMainWindow() {
    app_.configFile.loadConfiguration();
    if (app_.config.thermalAnemometerFactor == 0) {
        app_.mainForm.Laneterm.visible = false;
        app_.mainForm.LAnemometroTermMax.visible = false;
        app_.mainForm.LAnemometroTermMin.visible = false;
    }
    app_.serial.openSerial(9);
    if (app_.config.networkMode && app_.link.checkStation()) {
        app_.link.connectStation();
    }
    app_.timerDuties.initGraphStore();
    app_.timerDuties.startWeatherDisplayFeed();
}

void WindowConstruction::constructSettingsWindow() {
    app_.configFile.loadConfiguration();
    app_.pcSettings.fillFields();
}

}  // namespace zaq
