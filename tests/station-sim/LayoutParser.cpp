#include "LayoutParser.h"

#include <string>

namespace zaqsim::test {
namespace {

int number(const QByteArray& m, int pos, int width) {
    return std::stoi(m.mid(pos, width).toStdString());
}

int signedNumber(const QByteArray& m, int pos) {
    const int value = number(m, pos + 1, 3);
    return m[pos] == '-' ? -value : value;
}

bool separatorsInPlace(const QByteArray& m) {
    for (const int pos : {4, 8, 12, 18, 24, 29, 34, 38, 44, 49, 53, 58, 63, 67, 72, 76}) {
        if (m[pos] != ' ') {
            return false;
        }
    }
    return m[0] == '(' && m[82] == ')' && (m[45] == '+' || m[45] == '-') &&
           (m[54] == '+' || m[54] == '-');
}

}  // namespace

std::optional<StationReading> parseLayout(const QByteArray& m) {
    if (m.size() != 83 || !separatorsInPlace(m)) {
        return std::nullopt;
    }
    StationReading r;
    r.roof = m[1];
    r.heater = m[2];
    r.supplyTenths = static_cast<unsigned char>(m[3]);
    r.rainSensorX10 = number(m, 5, 3);
    r.cloudX10 = number(m, 9, 3);
    r.pressureSeaX10 = number(m, 13, 5);
    r.pressureAbsX10 = number(m, 19, 5);
    r.rainTodayTenths = number(m, 25, 4);
    r.rainTotalMm = number(m, 30, 4);
    r.daylight = number(m, 35, 3);
    r.skyExponent = number(m, 39, 1);
    r.skyMantissa = number(m, 40, 4);
    r.temperatureX10 = signedNumber(m, 45);
    r.humidityX10 = number(m, 50, 3);
    r.dewPointX10 = signedNumber(m, 54);
    r.thermalWindX10 = number(m, 59, 4);
    r.windMeanKmh = number(m, 64, 3);
    r.windX10 = number(m, 68, 4);
    r.directionDeg = number(m, 73, 3);
    r.kind = m[77];
    r.block = number(m, 78, 4);
    return r;
}

}  // namespace zaqsim::test
