#include "station/BlockRecord.h"

#include "station/DataMessageLayout.h"
#include "station/SkyBrightness.h"

namespace zaq {
namespace {

// The exponent is a one-character decimal number; a non-digit reads as 0.
int exponentDigit(const char* message) {
    return readInteger(message + datafield::skyExponent.pos, datafield::skyExponent.width);
}

}  // namespace

void parseBlockMessage(const char* message, BlockRecord& record) {
    using namespace datafield;
    record.supplyTenthsV = byteAt(message, supply);
    record.rainSensorX10 = readField(message, rainSensor);
    record.cloudX10 = readField(message, cloud);
    record.pressureSeaX10 = readField(message, pressureSea);
    record.pressureAbsX10 = readField(message, pressureAbs);
    record.rainTodayTenths = readField(message, rainToday);
    record.rainTotalMm = readField(message, rainTotal);
    record.daylight = readField(message, daylight);
    record.skyMagnitude =
        skyMagnitudeFromHz(skyFrequencyHz(readField(message, skyMantissa), exponentDigit(message)));
    record.temperatureX10 = readField(message, temperature);
    record.humidityX10 = readField(message, humidity);
    record.dewPointX10 = readField(message, dewPoint);
    record.windThermalKmh = readField(message, windThermal) / 10;
    record.windMeanKmh = readField(message, windMean);
    record.windRawX10 = readField(message, wind);
    record.windDirectionDeg = readField(message, direction);
}

}  // namespace zaq
