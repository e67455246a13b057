#include "MessageComposer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zaqsim {
namespace {

char signOf(int v) {
    return v < 0 ? '-' : '+';
}

}  // namespace

StationReading MessageComposer::clamped(StationReading r) {
    // 4.0 and 4.1 V would be the bytes '(' and ')', which end the framing; the firmware stops
    // long before that anyway.
    r.supplyTenths = std::clamp(r.supplyTenths, 50, 255);
    r.rainSensorX10 = std::clamp(r.rainSensorX10, 0, 999);
    r.cloudX10 = std::clamp(r.cloudX10, 0, 999);
    r.pressureSeaX10 = std::clamp(r.pressureSeaX10, 0, 99999);
    r.pressureAbsX10 = std::clamp(r.pressureAbsX10, 0, 99999);
    r.rainTodayTenths = std::clamp(r.rainTodayTenths, 0, 9999);
    r.rainTotalMm = std::clamp(r.rainTotalMm, 0, 9999);
    r.daylight = std::clamp(r.daylight, 0, 999);
    r.skyExponent = std::clamp(r.skyExponent, 0, 9);
    r.skyMantissa = std::clamp(r.skyMantissa, 0, 9999);
    r.temperatureX10 = std::clamp(r.temperatureX10, -999, 999);
    r.humidityX10 = std::clamp(r.humidityX10, 0, 999);
    r.dewPointX10 = std::clamp(r.dewPointX10, -999, 999);
    r.thermalWindX10 = std::clamp(r.thermalWindX10, 0, 9999);
    r.windMeanKmh = std::clamp(r.windMeanKmh, 0, 999);
    r.windX10 = std::clamp(r.windX10, 0, 9999);
    r.directionDeg = std::clamp(r.directionDeg, 0, 359);
    r.block = std::clamp(r.block, 0, 9999);
    return r;
}

QByteArray MessageComposer::dataMessage(const StationReading& reading) {
    const StationReading r = clamped(reading);
    char text[128];
    const int n = std::snprintf(
        text, sizeof text,
        "(%c%c%c %03d %03d %05d %05d %04d %04d %03d %01d%04d %c%03d %03d %c%03d %04d %03d %04d "
        "%03d %c%04d)",
        r.roof, r.heater, static_cast<char>(r.supplyTenths), r.rainSensorX10, r.cloudX10,
        r.pressureSeaX10, r.pressureAbsX10, r.rainTodayTenths, r.rainTotalMm, r.daylight,
        r.skyExponent, r.skyMantissa, signOf(r.temperatureX10), std::abs(r.temperatureX10),
        r.humidityX10, signOf(r.dewPointX10), std::abs(r.dewPointX10), r.thermalWindX10,
        r.windMeanKmh, r.windX10, r.directionDeg, r.kind, r.block);
    return QByteArray(text, n);
}

QByteArray MessageComposer::clockText(const QTime& time) {
    char text[16];
    const int n = std::snprintf(text, sizeof text, "(%02d:%02d:%02d)", time.hour(), time.minute(),
                                time.second());
    return QByteArray(text, n);
}

void MessageComposer::encodeSkyFrequency(double hz, int& exponent, int& mantissa) {
    // The firmware counts millihertz and keeps four significant digits.
    double millihertz = std::max(0.0, hz * 1000.0);
    exponent = 0;
    while (millihertz >= 9999.5 && exponent < 9) {
        millihertz /= 10.0;
        ++exponent;
    }
    mantissa = std::min(9999, static_cast<int>(std::lround(millihertz)));
}

}  // namespace zaqsim
