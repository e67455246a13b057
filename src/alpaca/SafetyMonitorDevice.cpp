#include "alpaca/SafetyMonitorDevice.h"

#include "automation/WeatherService.h"

namespace zaq {

SafetyMonitorDevice::SafetyMonitorDevice(WeatherService& weather) : weather_(weather) {
    addGet(
        QStringLiteral("issafe"), [this](const AlpacaCall&) { return AlpacaOutcome::of(isSafe()); },
        false);
    setStateMembers({QStringLiteral("IsSafe")});
}

QString SafetyMonitorDevice::description() const {
    return QStringLiteral(
        "Seguro cuando los niveles de cierre de la estacion ZAQ permiten abrir el techo");
}

// A client that has not connected, or a station not heard, must not be told it is safe.
bool SafetyMonitorDevice::isSafe() const {
    return connected() && !weather_.stationSilent() && weather_.safe();
}

}  // namespace zaq
