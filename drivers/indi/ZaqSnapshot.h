#pragma once

#include <QString>
#include <limits>
#include <vector>

namespace zaq::indi {

constexpr double kUnknown = std::numeric_limits<double>::quiet_NaN();

// What the drivers read from the program over D-Bus at one update.
struct ZaqSnapshot {
    bool reached = false;
    QString failure;  // why the program could not be read
    double temperature = 0;
    double humidity = 0;
    double dewPoint = 0;
    double pressure = 0;  // sea level, hPa
    double windKmh = 0;
    double windGustKmh = 0;
    double windDirection = 0;
    double cloudFraction = 0;
    double skyMagnitude = 0;
    double skyTemperature = kUnknown;
    double lastDataAge = kUnknown;
    bool precipitation = false;
    bool safe = false;
    bool stationSilent = true;
    QString roofState = QStringLiteral("unknown");
};

// One parameter of the weather device and its value now; NaN leaves the last value shown.
struct WeatherValue {
    const char* name;
    double value;
};

// The standard INDI weather parameters and ZAQ_SAFE, the critical one: 1 only when the program
// was reached, hears the station, and its own verdict is safe.
std::vector<WeatherValue> weatherValues(const ZaqSnapshot& snapshot);

// The roof as INDI's roll-off roofs show it: parked is closed, unparked is open.
struct RoofView {
    enum class Shutter { Opened, Closed, Moving, Unknown };
    Shutter shutter = Shutter::Unknown;
    bool parked = false;
    bool moving = false;
};
RoofView roofView(const QString& roofState);

}  // namespace zaq::indi
