#include "WeatherModel.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zaqsim {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDeg = kPi / 180.0;

// Smooth pseudo-random wobble in −1…1: a sum of slow waves with unrelated periods.
double wobble(double seconds, int channel) {
    const double periods[] = {47.0, 173.0, 611.0, 2333.0};
    double sum = 0;
    for (int k = 0; k < 4; ++k) {
        sum += std::sin(2 * kPi * seconds / (periods[k] * (1.0 + 0.137 * channel)) +
                        channel * 1.91 + k * 0.73);
    }
    return sum / 4.0;
}

double relativeHumidity(double t, double td) {
    auto saturation = [](double c) { return std::exp(17.625 * c / (243.04 + c)); };
    return std::clamp(100.0 * saturation(td) / saturation(t), 1.0, 99.9);
}

double dewPointFrom(double t, double rh) {
    const double g = std::log(std::clamp(rh, 1.0, 100.0) / 100.0) + 17.625 * t / (243.04 + t);
    return 243.04 * g / (17.625 - g);
}

}  // namespace

double WeatherModel::sunAltitudeDeg(const QDateTime& moment) const {
    const QDateTime utc = moment.toUTC();
    const int day = utc.date().dayOfYear();
    const double declination = 23.44 * std::sin(2 * kPi * (284 + day) / 365.0);
    const double utcHours = utc.time().msecsSinceStartOfDay() / 3'600'000.0;
    const double solarHours = utcHours + site_.longitudeDeg / 15.0;
    const double hourAngle = (solarHours - 12.0) * 15.0;
    const double lat = site_.latitudeDeg * kDeg;
    const double s = std::sin(lat) * std::sin(declination * kDeg) +
                     std::cos(lat) * std::cos(declination * kDeg) * std::cos(hourAngle * kDeg);
    return std::asin(std::clamp(s, -1.0, 1.0)) / kDeg;
}

Weather WeatherModel::natural(const QDateTime& moment) const {
    const double t = static_cast<double>(moment.toSecsSinceEpoch());
    const double hour = moment.time().msecsSinceStartOfDay() / 3'600'000.0;
    const double sun = sunAltitudeDeg(moment);
    const double daylightFactor = std::max(0.0, std::sin(sun * kDeg));

    Weather w;
    w.temperatureC = 11.0 + 7.0 * std::sin(2 * kPi * (hour - 9.0) / 24.0) + 1.2 * wobble(t, 1);
    w.dewPointC = w.temperatureC - (2.5 + 7.0 * daylightFactor) - 0.8 * std::fabs(wobble(t, 2));
    w.pressureSeaHpa = 1016.0 + 5.0 * std::sin(2 * kPi * t / (3 * 86400.0)) + 0.3 * wobble(t, 3);
    const double base =
        std::max(0.0, 7.0 + 4.0 * std::sin(2 * kPi * t / 21600.0) + 3.0 * wobble(t, 4));
    w.windMeanKmh = base;
    w.windKmh = std::max(0.0, base * (1.0 + 0.5 * wobble(t * 7.0, 5)));
    w.directionDeg = 225.0 + 60.0 * std::sin(2 * kPi * t / 14400.0) + 25.0 * wobble(t, 6);
    w.cloudPct = std::clamp(12.0 + 10.0 * wobble(t, 7), 0.0, 100.0);
    w.rainSensorPct = 0;
    w.supplyV = 12.4 + 0.8 * daylightFactor + 0.05 * wobble(t, 8);
    return w;
}

Weather WeatherModel::at(const QDateTime& moment) const {
    Weather w = natural(moment);
    applyOverrides(w, moment);

    w.directionDeg = std::fmod(std::fmod(w.directionDeg, 360.0) + 360.0, 360.0);
    w.thermalWindKmh = overridden(QStringLiteral("thermalwind"), w.windKmh * 1.05, moment);
    // A wet sensor means rain in the gauge, unless the scenario says how much.
    const double rate = w.rainSensorPct >= 30.0 ? w.rainSensorPct / 20.0 : 0.0;
    w.rainRateMmH = overridden(QStringLiteral("rainrate"), rate, moment);

    const double sun = sunAltitudeDeg(moment);
    const double light = 1000.0 * std::max(0.0, std::sin(sun * kDeg)) * (1.0 - 0.0075 * w.cloudPct);
    w.daylight = overridden(QStringLiteral("daylight"), std::clamp(light, 0.0, 999.0), moment);

    // Sky brightness: 21.5 on a clear dark night, brighter under clouds and with the sun.
    double sky = 21.5 - 0.02 * w.cloudPct;
    if (sun > -18.0) {
        sky -= (std::min(sun, 0.0) + 18.0) / 18.0 * 11.0;
    }
    if (sun > 0.0) {
        sky -= std::min(sun, 60.0) / 60.0 * 5.0;
    }
    w.skyMagnitude = overridden(QStringLiteral("sky"), sky, moment);
    w.pressureAbsHpa = w.pressureSeaHpa - site_.altitudeM * 0.1185;
    return w;
}

bool WeatherModel::isQuantity(const QString& name) {
    static const QStringList names = {"temperature", "dewpoint",    "humidity",  "pressure", "wind",
                                      "meanwind",    "thermalwind", "direction", "cloud",    "rain",
                                      "rainrate",    "daylight",    "sky",       "supply"};
    return names.contains(name);
}

void WeatherModel::set(const QString& name, double value) {
    overrides_[name] = Override{value, value, {}, {}};
}

void WeatherModel::ramp(const QString& name, double to, const QDateTime& from,
                        const QDateTime& until) {
    // The ramp starts from what the quantity shows now.
    const double start = overridden(name, std::nan(""), from);
    const Weather now = at(from);
    const std::map<QString, double> current = {{"temperature", now.temperatureC},
                                               {"dewpoint", now.dewPointC},
                                               {"humidity", now.humidityPct},
                                               {"pressure", now.pressureSeaHpa},
                                               {"wind", now.windKmh},
                                               {"meanwind", now.windMeanKmh},
                                               {"thermalwind", now.thermalWindKmh},
                                               {"direction", now.directionDeg},
                                               {"cloud", now.cloudPct},
                                               {"rain", now.rainSensorPct},
                                               {"rainrate", now.rainRateMmH},
                                               {"daylight", now.daylight},
                                               {"sky", now.skyMagnitude},
                                               {"supply", now.supplyV}};
    const double origin = std::isnan(start) ? current.at(name) : start;
    overrides_[name] = Override{origin, to, from, until};
}

void WeatherModel::release(const QString& name) {
    overrides_.erase(name);
}

double WeatherModel::overridden(const QString& name, double natural,
                                const QDateTime& moment) const {
    const auto it = overrides_.find(name);
    if (it == overrides_.end()) {
        return natural;
    }
    const Override& o = it->second;
    if (!o.end.isValid() || moment >= o.end) {
        return o.to;
    }
    if (moment <= o.start) {
        return o.from;
    }
    const double f = static_cast<double>(o.start.msecsTo(moment)) / o.start.msecsTo(o.end);
    return o.from + (o.to - o.from) * f;
}

void WeatherModel::applyOverrides(Weather& w, const QDateTime& moment) const {
    w.temperatureC = overridden(QStringLiteral("temperature"), w.temperatureC, moment);
    w.dewPointC = overridden(QStringLiteral("dewpoint"), w.dewPointC, moment);
    w.humidityPct = relativeHumidity(w.temperatureC, w.dewPointC);
    if (overrides_.count(QStringLiteral("humidity"))) {
        w.humidityPct = overridden(QStringLiteral("humidity"), w.humidityPct, moment);
        w.dewPointC = dewPointFrom(w.temperatureC, w.humidityPct);
    }
    w.pressureSeaHpa = overridden(QStringLiteral("pressure"), w.pressureSeaHpa, moment);
    w.windKmh = overridden(QStringLiteral("wind"), w.windKmh, moment);
    w.windMeanKmh = overridden(QStringLiteral("meanwind"), w.windMeanKmh, moment);
    w.directionDeg = overridden(QStringLiteral("direction"), w.directionDeg, moment);
    w.cloudPct = overridden(QStringLiteral("cloud"), w.cloudPct, moment);
    w.rainSensorPct = overridden(QStringLiteral("rain"), w.rainSensorPct, moment);
    w.supplyV = overridden(QStringLiteral("supply"), w.supplyV, moment);
}

}  // namespace zaqsim
