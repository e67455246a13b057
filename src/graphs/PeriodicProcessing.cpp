#include "graphs/PeriodicProcessing.h"

#include <algorithm>
#include <cmath>

#include "base/Clock.h"
#include "base/CurrentReadings.h"
#include "base/MainForm.h"
#include "base/ReadingSums.h"
#include "base/StationFlags.h"
#include "graphs/ChartModel.h"
#include "graphs/ChartRedraw.h"
#include "graphs/GraphStore.h"
#include "ui/DayCount.h"
#include "ui/NumberFormat.h"
#include "ui/UserNumber.h"

namespace zaq {
namespace {
constexpr double kToDegrees = 57.29577951308232;
constexpr float kHighPressure = 1030.0f;
constexpr int kHighRecordsForWideAxis = 3;
constexpr double kMaxDayPercent = 150.0;
}  // namespace

bool PeriodicProcessing::runPeriodicProcessing() {
    p_.flags.minuteFlag = false;
    const int n = p_.sums.sampleCount;
    if (n < 1) {
        return false;
    }
    p_.main.PBarometro.text = formatNumber(p_.sums.pressureSeaSum / n, 5, 1);
    p_.main.PBarometroAbs.text = formatNumber(p_.sums.pressureAbsSum / n, 4, 1);
    const DaySums day = shiftStore();
    writeNewest(n);
    computeMeanDirection(n);
    setTitles();
    showSolarEnergy(day);
    p_.writeFiles();
    resetSums();
    redrawGraphs(p_.store, p_.model);
    return true;
}

// Every record moves one place older; today's radiation is summed on the way, and the records
// above 1030 hPa decide the pressure axes.
PeriodicProcessing::DaySums PeriodicProcessing::shiftStore() {
    auto& records = p_.store.records();
    const double dayAgo = toDayCount(p_.clock.now().addDays(-1));
    DaySums day;
    int high = 0;
    for (std::size_t j = 0; j + 1 < records.size(); ++j) {
        const float reserved = records[j].reserved;
        records[j] = records[j + 1];
        records[j].reserved = reserved;
        if (records[j].date > dayAgo) {
            day.measured += records[j].solarRadiation;
            day.expected += records[j].expectedRadiation;
        }
        if (records[j].pressureSeaLevel > kHighPressure) {
            ++high;
        }
    }
    const double top = high >= kHighRecordsForWideAxis ? 1040 : 1030;
    p_.model.charts[ChartModel::Pressure].left.maximum = top;
    p_.model.charts[ChartModel::Pressure].right.maximum = top;
    return day;
}

void PeriodicProcessing::writeNewest(int n) {
    const ReadingSums& s = p_.sums;
    const CurrentReadings& r = p_.readings;
    GraphRecord& g = p_.store.newest();
    const QDateTime now = p_.clock.now();
    const double count = toDayCount(now);
    g.date = std::trunc(count);
    g.timeOfDay = count - std::trunc(count);
    g.windMean = s.windSum / static_cast<float>(n);
    g.windMean10 = s.windMeanSum / static_cast<float>(n);
    g.windMax = r.windMaxKmh;
    g.windMin = r.windMinKmh;
    g.thermalWind = s.windThermalSum / static_cast<float>(n);
    g.expectedRadiation = static_cast<float>(p_.expected(now).value_or(0.0));
    g.windDirection = static_cast<float>(r.windDirectionDeg);
    g.thermalWindCopy = g.thermalWind;
    // Integer division first, as the station PC did: −45 over 2 is −2.2.
    g.temperature = static_cast<float>((s.temperatureSum / n) * 0.1);
    g.dewPoint = static_cast<float>((s.dewPointSum / n) * 0.1);
    g.humidity = static_cast<float>((s.humiditySum / n) * 0.1);
    g.rainGauge = r.rainTodayTenths * 0.1f;
    g.cloudPercent = s.cloudSum / static_cast<float>(n) * 0.1f;
    g.rainPercent = s.rainSensorSum / static_cast<float>(n) * 0.1f;
    g.thermalCloud = 100.0f - (g.temperature - r.skyTemperatureC) * 3.0f;
    g.pressureSeaLevel = s.pressureSeaSum / static_cast<float>(n);
    g.pressureStation = s.pressureAbsSum / static_cast<float>(n);
    g.solarRadiation = s.daylightSum / static_cast<float>(n);
    g.skyBrightness = s.skyMagnitudeSum / static_cast<float>(n);
    g.limitingMagnitude = limitingMagnitude(g.skyBrightness);
    p_.store.noteRecordMade();
}

void PeriodicProcessing::computeMeanDirection(int n) {
    const double s = p_.sums.dirSinSum / n;
    const double c = p_.sums.dirCosSum / n;
    if (c > 0) {
        meanWindDirection_ = std::asin(std::clamp(s, -1.0, 1.0)) * kToDegrees;
        if (meanWindDirection_ < 0) {
            meanWindDirection_ += 360.0;
        }
        // A sine a hair below zero is still north: 0°, not 360°.
        if (meanWindDirection_ >= 360.0) {
            meanWindDirection_ -= 360.0;
        }
    } else {
        meanWindDirection_ = std::acos(std::clamp(s, -1.0, 1.0)) * kToDegrees + 90.0;
    }
}

void PeriodicProcessing::setTitles() {
    const MainForm& m = p_.main;
    ChartModel& model = p_.model;
    model.rainGauge().title = QStringLiteral("Pluviometro mm  Hoy: ") + m.PPluviometro.text +
                              QStringLiteral("  Mes: ") + m.PPluvioAcumuladoMes.text +
                              QStringLiteral("  Año: ") + m.PPluvioAcumulado.text;
    const QString darkest = m.LMagnitudVMin.text;
    if (darkest != QStringLiteral("---")) {
        model.skyBrightness().title =
            QStringLiteral("Brillo Cielo(mag/arcsg2) (min. ") + darkest + u')';
        const double nelm = limitingMagnitude(parseUserDecimal(darkest).value_or(0.0));
        model.limitingMagnitude().title =
            QStringLiteral("Magnitud V lim.  (NELM) (max.") + formatNumber(nelm, 3, 1) + u')';
    }
    model.windMax().title = QStringLiteral("V.Max (") + m.LAnemometroMecMax.text + u')';
    model.windDirection().title = QStringLiteral("Veleta (") + m.PDirNSEO.text + u')';
}

// Every record is one minute, so the day's energy is the sum over 60 in Wh/m².
void PeriodicProcessing::showSolarEnergy(const DaySums& day) {
    double percent = day.expected > 0 ? day.measured * 100.0 / day.expected : 0.0;
    percent = std::min(percent, kMaxDayPercent);
    p_.main.PRadSolacumulada.text = formatNumber(day.measured / 60.0, 5, 0);
    p_.main.LRadSolacuPorcent.text = formatNumber(percent, 3, 0) + u'%';
}

void PeriodicProcessing::resetSums() {
    p_.sums = ReadingSums{};
    p_.sums.sampleCount = 0;
    p_.readings.windMaxKmh = 0;
    p_.readings.windMinKmh = CurrentReadings::kWindMinStart;
}

}  // namespace zaq
