#pragma once

namespace zaq {

// One stored five-minute block of the station's 24-hour memory.
struct BlockRecord {
    int supplyTenthsV = 0;
    int rainSensorX10 = 0;
    int cloudX10 = 0;
    int pressureSeaX10 = 0;
    int pressureAbsX10 = 0;
    int rainTodayTenths = 0;
    int rainTotalMm = 0;
    int daylight = 0;
    float skyMagnitude = 0;
    int temperatureX10 = 0;
    int humidityX10 = 0;
    int dewPointX10 = 0;
    int windThermalKmh = 0;
    int windMeanKmh = 0;
    int windRawX10 = 0;
    int windDirectionDeg = 0;
};

// Fills the record from a kind '0' or 't' data message (83 characters).
void parseBlockMessage(const char* message, BlockRecord& record);

}  // namespace zaq
