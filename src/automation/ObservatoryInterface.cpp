#include "automation/ObservatoryInterface.h"

#include <array>
#include <limits>

#include "automation/WeatherInterface.h"
#include "automation/WeatherService.h"
#include "base/CurrentReadings.h"
#include "base/RoofState.h"

namespace zaq {
namespace {

struct Property {
    const char* name;
    const char* type;
    const char* help;
};

constexpr std::array<Property, 6> kProperties{{
    {"Master", "b", "True if this PC commands the station (PC Master)"},
    {"RoofState", "s", "open, open2 (second open state), closed, opening, closing or unknown"},
    {"StationSilent", "b", "True while the station is reported not answering"},
    {"LastDataAge", "d", "Seconds since the last live data message (NaN before the first)"},
    {"SkyTemperature", "d", "Infrared sky temperature, deg.C (NaN until the station sends one)"},
    {"WindGust", "d", "Wind gust, km/h"},
}};

constexpr double kUnknown = std::numeric_limits<double>::quiet_NaN();

}  // namespace

QString ObservatoryInterface::interfaceXml() {
    QString xml =
        QStringLiteral("  <interface name=\"%1\">\n").arg(QLatin1String(kObservatoryInterface));
    for (const char* method : {"OpenRoof", "CloseRoof"}) {
        xml += QStringLiteral("    <method name=\"%1\"/>\n").arg(QLatin1String(method));
    }
    for (const Property& p : kProperties) {
        xml +=
            QStringLiteral("    <property name=\"%1\" type=\"%2\" access=\"read\">\n")
                .arg(QLatin1String(p.name), QLatin1String(p.type)) +
            introspectionAnnotation(6, "org.freedesktop.DBus.Description", QLatin1String(p.help)) +
            QStringLiteral("    </property>\n");
    }
    return xml + QStringLiteral("  </interface>\n");
}

bool ObservatoryInterface::hasProperty(const QString& name) {
    for (const Property& p : kProperties) {
        if (name == QLatin1String(p.name)) {
            return true;
        }
    }
    return false;
}

QString ObservatoryInterface::roofStateName() const {
    switch (service_.roofMotion()) {
        case WeatherService::RoofMotion::Open:
            return service_.reportedRoof() == RoofState::SecondOpen ? QStringLiteral("open2")
                                                                    : QStringLiteral("open");
        case WeatherService::RoofMotion::Closed:
            return QStringLiteral("closed");
        case WeatherService::RoofMotion::Opening:
            return QStringLiteral("opening");
        case WeatherService::RoofMotion::Closing:
            return QStringLiteral("closing");
        case WeatherService::RoofMotion::Error:
            break;
    }
    return QStringLiteral("unknown");
}

QVariant ObservatoryInterface::read(const QString& name) const {
    const CurrentReadings& r = service_.readings();
    if (name == QLatin1String("Master"))
        return service_.master();
    if (name == QLatin1String("RoofState"))
        return roofStateName();
    if (name == QLatin1String("StationSilent"))
        return service_.stationSilent();
    if (name == QLatin1String("LastDataAge"))
        return service_.readingsReceived() ? service_.secondsSinceReadings() : kUnknown;
    if (name == QLatin1String("SkyTemperature"))
        return service_.skyTemperature().value_or(kUnknown);
    if (name == QLatin1String("WindGust"))
        return static_cast<double>(r.windGustKmh);
    return {};
}

QVariantMap ObservatoryInterface::readAll() const {
    QVariantMap all;
    for (const Property& p : kProperties) {
        all.insert(QLatin1String(p.name), read(QLatin1String(p.name)));
    }
    return all;
}

bool ObservatoryInterface::call(const QString& method) {
    if (method == QLatin1String("OpenRoof")) {
        service_.openRoofChecked();
    } else if (method == QLatin1String("CloseRoof")) {
        service_.closeRoofChecked();
    } else {
        return false;
    }
    return true;
}

}  // namespace zaq
