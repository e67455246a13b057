#pragma once

#include <QtGlobal>

namespace zaq {

// The station's live values, from the last live data message. Values marked ×10 stay unscaled.
struct CurrentReadings {
    char roofLetter = 0;
    char heaterLetter = 0;
    int supplyTenthsV = 0;
    int rainSensorX10 = 0;
    int cloudX10 = 0;
    float pressureSeaX10 = 0;
    float pressureAbsX10 = 0;
    float rainTodayTenths = 0;
    float rainTotalMm = 0;
    float rainMonthMm = 0;
    bool rainMonthValid = false;  // the last message gave a plausible month figure
    float daylight = 0;
    float skyMagnitude = 0;
    int temperatureX10 = 0;
    int humidityX10 = 0;
    int dewPointX10 = 0;
    float windThermalKmh = 0;
    float windMeanKmh = 0;
    int windRawX10 = 0;
    float windKmh = 0;
    float windGustKmh = 0;
    float windMaxKmh = 0;
    // The lowest wind of the minute starts above any reading.
    static constexpr float kWindMinStart = 500.0f;
    float windMinKmh = kWindMinStart;
    int windDirectionDeg = 0;
    float skyTemperatureC = 0;
    bool skyTemperatureValid = false;  // the station has answered with an infrared reading
    bool readingsValid = false;
    qint64 readingsTickMs = 0;  // the clock's tick when the last live message arrived
};

}  // namespace zaq
