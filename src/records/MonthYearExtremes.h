#pragma once

#include <QByteArray>

namespace zaq {

// The key of a record in "extremas.txt" and the templates: "*MHTM=", "*YGST=" …
inline QByteArray recordKey(char group, const char* name) {
    return QByteArray("*") + group + name + '=';
}

// The month's and the year's records made from the station's daily extremes, kept in
// "extremas.txt" across restarts.
struct MonthYearExtremes {
    struct Records {
        float highTemperature = 0;
        float lowTemperature = 0;
        float highHumidity = 0;
        float lowHumidity = 0;
        float highPressure = 0;
        float lowPressure = 0;
        float strongestWind = 0;

        // Every maximum starts below and every minimum above any reading.
        static Records reset() { return {-400, 400, -10, 1000, -10, 20000, -10}; }
    };

    Records month;
    Records year;
    // rainTotalMm at the start of the month (key MPCP).
    float monthStartRainMm = 0;
    // 1 to 12; 0 until the first update.
    int storedMonth = 0;
};

}  // namespace zaq
