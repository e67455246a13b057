#pragma once

namespace zaqsim {

// What the station's firmware holds for one data message, in the units it sends them.
struct StationReading {
    char roof = 'C';    // 'A' open, 'a' open with the limits forced, 'C' closed
    char heater = 'A';  // 'E'/'A' dew heater on/off, 'e'/'a' relay on/off, 'p' no thermometer
    int supplyTenths = 125;
    int rainSensorX10 = 0;
    int cloudX10 = 0;
    int pressureSeaX10 = 10150;
    int pressureAbsX10 = 9415;
    int rainTodayTenths = 0;
    int rainTotalMm = 0;
    int daylight = 0;
    int skyExponent = 0;
    int skyMantissa = 0;
    int temperatureX10 = 0;
    int humidityX10 = 500;
    int dewPointX10 = 0;
    int thermalWindX10 = 0;
    int windMeanKmh = 0;
    int windX10 = 0;
    int directionDeg = 0;
    char kind = 'a';
    int block = 0;

    bool operator==(const StationReading&) const = default;
};

}  // namespace zaqsim
