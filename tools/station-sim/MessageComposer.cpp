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

// Two decimal digits in one byte.
char bcd(int v) {
    v = std::abs(v) % 100;
    return static_cast<char>((v / 10) << 4 | (v % 10));
}

bool framing(char c) {
    return c == '(' || c == ')';
}

char checksum(const QByteArray& record) {
    int sum = 0;
    for (const char c : record) {
        sum += static_cast<unsigned char>(c);
    }
    return static_cast<char>(sum & 0xFF);
}

// The framing bytes would cut a text message short; the firmware keeps them out of its records,
// checksum included, by nudging the status byte.
void keepFramingOut(QByteArray& record) {
    for (char& c : record) {
        if (framing(c)) {
            c = static_cast<char>(c ^ 0x40);
        }
    }
    while (framing(checksum(record)) || framing(record[3])) {
        record[3] = static_cast<char>(record[3] + 1);
    }
}

}  // namespace

namespace {
QByteArray hexField(int value, int digits) {
    return QByteArray::number(value & ((1 << (4 * digits)) - 1), 16)
        .toUpper()
        .rightJustified(digits, '0');
}
}  // namespace

QByteArray MessageComposer::datalogRecord(const StationReading& r, int offset, int year) {
    const int sky = std::min(65535, r.skyExponent * 10000 + r.skyMantissa);
    return "(" + QByteArray::number(offset).rightJustified(4, '0') + hexField(year - 2000, 2) +
           hexField(r.cloudX10 / 10, 2) + hexField(r.humidityX10 / 10, 2) +
           hexField(r.directionDeg / 10, 2) + hexField(r.rainSensorX10 / 10, 2) +
           hexField(r.supplyTenths, 2) + hexField(r.temperatureX10, 4) +
           hexField(r.dewPointX10, 4) + hexField(r.daylight, 4) + hexField(sky, 4) +
           hexField(r.rainTodayTenths * 10, 4) + hexField(r.rainTotalMm * 10, 4) +
           hexField(r.windMeanKmh, 4) + hexField(r.windX10, 4) + hexField(r.pressureSeaX10, 4) +
           ")";
}

QByteArray MessageComposer::erasedDatalogRecord(int offset) {
    return "(" + QByteArray::number(offset).rightJustified(4, '0') + QByteArray(48, 'F') + ")";
}

QByteArray MessageComposer::wmr968Record(const StationReading& r, int sequence) {
    QByteArray record("\xFF\xFF", 2);
    switch (sequence % 4) {
        case 0:  // wind: direction, gust, mean, chill
            record += '\x00';
            record += bcd(r.directionDeg % 100);
            record += bcd(r.directionDeg / 100);
            record += bcd(r.windX10 / 36);
            record += bcd(r.windX10 / 3600);
            record += bcd(r.windMeanKmh * 10 / 36);
            record += bcd(r.windMeanKmh / 360);
            record += bcd(r.temperatureX10 / 10);
            break;
        case 1:  // rain: rate, total, yesterday, date of reset
            record += '\x01';
            record += '\x00';
            record += bcd(0);
            record += bcd(r.rainTodayTenths / 10);
            record += bcd(r.rainTodayTenths / 1000);
            record += bcd(r.rainTotalMm);
            record += bcd(r.rainTotalMm / 100);
            record += bcd(0);
            record += bcd(0);
            record += bcd(1);
            record += bcd(1);
            record += bcd(26);
            record += '\x00';
            break;
        case 2:  // outdoor temperature, humidity and dew point
            record += '\x03';
            record += '\x00';
            record += bcd(r.temperatureX10);
            record +=
                static_cast<char>(bcd(r.temperatureX10 / 100) | (r.temperatureX10 < 0 ? 0x80 : 0));
            record += bcd(r.humidityX10 / 10);
            record += bcd(r.dewPointX10 / 10);
            break;
        default:  // barometer and forecast
            record += '\x05';
            record += '\x00';
            record += bcd(r.temperatureX10);
            record += bcd(r.temperatureX10 / 100);
            record += bcd(r.humidityX10 / 10);
            record += bcd(r.dewPointX10 / 10);
            record += bcd(r.pressureAbsX10 / 10);
            record += bcd(r.pressureAbsX10 / 1000);
            record += '\x20';
            record += bcd(r.pressureSeaX10 / 10);
            record += bcd(r.pressureSeaX10 / 1000);
            break;
    }
    keepFramingOut(record);
    record += checksum(record);
    return record;
}

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
