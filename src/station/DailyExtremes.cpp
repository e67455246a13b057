#include "station/DailyExtremes.h"

#include <QString>
#include <cstring>

#include "base/MainForm.h"
#include "station/DataMessageLayout.h"
#include "station/SkyBrightness.h"
#include "station/StationExtremes.h"
#include "ui/NumberFormat.h"

namespace zaq {
namespace {

using Q = StationExtremes;

// The field with a decimal point before its last k characters.
double pointBefore(const char* message, DataField field, int k) {
    return readPointBeforeLast(message + field.pos, field.width, k);
}

QString fieldText(const char* message, DataField field) {
    return QString::fromLatin1(message + field.pos, field.width);
}

// One quantity of the answer: its value into the group, its text into the column's label.
struct Column {
    std::array<float, Q::kQuantities>& values;
    void put(Q::Quantity q, double value, Label& label, const QString& text) {
        values[q] = static_cast<float>(value);
        label.text = text;
    }
    void put(Q::Quantity q, double value, Label& label, int precision, int decimals) {
        put(q, value, label, formatNumber(static_cast<float>(value), precision, decimals));
    }
};

}  // namespace

void DailyExtremes::applyStationExtremes(const char* message) {
    const char* at = message + datafield::kind.pos;
    const bool maxima = std::strncmp(at, "M1373)", 6) == 0;
    if (!maxima && std::strncmp(at, "m1373)", 6) != 0) {
        return;
    }
    if (maxima) {
        extremes_.stationMaxReceived = true;
    }
    MainForm& m = main_;
    Column c{maxima ? extremes_.max : extremes_.min};
    const auto label = [maxima](Label& max, Label& min) -> Label& { return maxima ? max : min; };
    namespace f = datafield;

    c.put(Q::Temperature, pointBefore(message, f::temperature, 1),
          label(m.LTemperaturaMax, m.LTemperaturaMin), 3, 1);
    double humidity = pointBefore(message, f::humidity, 1);
    // A saturated sensor reads near 0: 99.9 as a maximum, 99.8 as a minimum.
    if (maxima && humidity < 2.0) {
        humidity = 99.9;
    } else if (!maxima && humidity == 0) {
        humidity = 99.8;
    }
    c.put(Q::Humidity, humidity, label(m.LHumedadMax, m.LHumedadMin), 3, 1);
    c.put(Q::DewPoint, pointBefore(message, f::dewPoint, 1), label(m.LRocioMax, m.LRocioMin), 3, 1);
    c.put(Q::Cloud, pointBefore(message, f::cloud, 1), label(m.LNubesMax, m.LNubesMin), 3, 0);
    c.put(Q::RainSensor, pointBefore(message, f::rainSensor, 1), label(m.LLluviaMax, m.LLluviaMin),
          3, 0);
    c.put(Q::Wind, pointBefore(message, f::wind, 1),
          label(m.LAnemometroMecMax, m.LAnemometroMecMin), 4, 1);
    c.put(Q::MeanWind, readField(message, f::windMean),
          label(m.LAnemometroMecMedMax, m.LAnemometroMecMedMin), 3, 0);
    c.put(Q::ThermalWind, pointBefore(message, f::windThermal, 1),
          label(m.LAnemometroTermMax, m.LAnemometroTermMin), 4, 1);
    const QString rain = fieldText(message, f::rainToday);
    c.put(Q::RainToday, pointBefore(message, f::rainToday, 1),
          label(m.LPluviometroMax, m.LPluviometroMin), rain.chopped(1) + u'.' + rain.right(1));
    c.put(Q::PressureSea, pointBefore(message, f::pressureSea, 1),
          label(m.LBarometroMax, m.LBarometroMin), 5, 1);
    c.put(Q::PressureAbs, pointBefore(message, f::pressureAbs, 1),
          label(m.LBarometroAbsMax, m.LBarometroAbsMin), 4, 1);
    const float hz =
        skyFrequencyHz(readField(message, f::skyMantissa), readField(message, f::skyExponent));
    c.put(Q::SkyBrightness, skyMagnitudeFromHz(hz), label(m.LMagnitudVMax, m.LMagnitudVMin), 4, 2);
    c.put(Q::Daylight, readField(message, f::daylight), label(m.LLuzDiaMax, m.LLuzDiaMin),
          fieldText(message, f::daylight));
    const double supply = byteAt(message, f::supply) * 0.1;
    c.put(Q::Supply, supply, label(m.LVFuenteMax, m.LVFuenteMin), formatGeneral(supply));
}

}  // namespace zaq
