#include "alpaca/DomeDevice.h"

#include "automation/WeatherService.h"

namespace zaq {
namespace {

// The interface's ShutterState values.
int shutterState(WeatherService::RoofMotion motion) {
    switch (motion) {
        case WeatherService::RoofMotion::Open:
            return 0;
        case WeatherService::RoofMotion::Closed:
            return 1;
        case WeatherService::RoofMotion::Opening:
            return 2;
        case WeatherService::RoofMotion::Closing:
            return 3;
        case WeatherService::RoofMotion::Error:
            break;
    }
    return 4;
}

}  // namespace

DomeDevice::DomeDevice(WeatherService& weather) : weather_(weather) {
    const auto constant = [this](const char* name, bool value) {
        addGet(QLatin1String(name),
               [value](const AlpacaCall&) { return AlpacaOutcome::of(value); });
    };
    constant("cansetshutter", true);
    for (const char* name :
         {"canpark", "canfindhome", "cansetaltitude", "cansetazimuth", "cansetpark", "canslave",
          "cansyncazimuth", "athome", "atpark", "slaved"}) {
        constant(name, false);
    }
    addGet(QStringLiteral("shutterstatus"),
           [this](const AlpacaCall&) { return AlpacaOutcome::of(shutterStatus()); });
    addGet(QStringLiteral("slewing"),
           [this](const AlpacaCall&) { return AlpacaOutcome::of(slewing()); });
    addPut(QStringLiteral("openshutter"),
           [this](const AlpacaCall&) { return order(&WeatherService::openRoofChecked); });
    addPut(QStringLiteral("closeshutter"),
           [this](const AlpacaCall&) { return order(&WeatherService::closeRoofChecked); });
    // The station has no order that stops the roof on its way.
    addPut(QStringLiteral("abortslew"), [](const AlpacaCall&) { return AlpacaOutcome::done(); });
    const auto absent = [this](const char* name, bool put) {
        const auto run = [name](const AlpacaCall&) {
            return AlpacaOutcome::error(alpacaerror::notImplemented,
                                        QStringLiteral("El techo no tiene ") + QLatin1String(name));
        };
        put ? addPut(QLatin1String(name), run) : addGet(QLatin1String(name), run);
    };
    for (const char* name : {"altitude", "azimuth"}) {
        absent(name, false);
    }
    for (const char* name :
         {"findhome", "park", "setpark", "slewtoaltitude", "slewtoazimuth", "synctoazimuth"}) {
        absent(name, true);
    }
    setStateMembers({QStringLiteral("AtHome"), QStringLiteral("AtPark"),
                     QStringLiteral("ShutterStatus"), QStringLiteral("Slewing")});
}

QString DomeDevice::description() const {
    return QStringLiteral(
        "Techo corredizo del observatorio, abierto y cerrado por la estacion ZAQ. La estacion no "
        "tiene orden de parada: AbortSlew no detiene el techo");
}

int DomeDevice::shutterStatus() const {
    return shutterState(weather_.roofMotion());
}

bool DomeDevice::slewing() const {
    const WeatherService::RoofMotion motion = weather_.roofMotion();
    return motion == WeatherService::RoofMotion::Opening ||
           motion == WeatherService::RoofMotion::Closing;
}

AlpacaOutcome DomeDevice::order(void (WeatherService::*checkedOrder)()) {
    try {
        (weather_.*checkedOrder)();
    } catch (const WeatherError& refusal) {
        return AlpacaOutcome::error(alpacaerror::invalidOperation,
                                    QString::fromStdString(refusal.what()));
    }
    return AlpacaOutcome::done();
}

}  // namespace zaq
