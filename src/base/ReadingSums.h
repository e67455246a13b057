#pragma once

namespace zaq {

// Running sums of the live values since the last periodic processing, for the minute averages.
struct ReadingSums {
    int temperatureSum = 0;
    int humiditySum = 0;
    int dewPointSum = 0;
    float rainSensorSum = 0;
    float cloudSum = 0;
    float pressureSeaSum = 0;
    float pressureAbsSum = 0;
    float daylightSum = 0;
    float skyMagnitudeSum = 0;
    float windSum = 0;
    float windMeanSum = 0;
    float windThermalSum = 0;
    double dirSinSum = 0;
    double dirCosSum = 0;
    // Starts at −2: the dispatcher's increment makes the first live message find −1, which shows
    // the pressures at once and restarts the count at 1.
    int sampleCount = -2;
};

}  // namespace zaq
