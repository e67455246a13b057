#include "records/DataTables.h"

#include <algorithm>
#include <cmath>

#include "base/Clock.h"
#include "base/Configuration.h"
#include "base/CurrentReadings.h"
#include "base/MessagesList.h"
#include "base/SafetyState.h"
#include "base/SettingsForm.h"
#include "graphs/GraphStore.h"
#include "graphs/PeriodicProcessing.h"
#include "ui/DateTimeText.h"
#include "ui/DayCount.h"
#include "ui/FileNaming.h"
#include "ui/NumberFormat.h"
#include "ui/TextFile.h"

namespace zaq {
namespace {

const QString kHeader = QStringLiteral(
    "Dia\tHora\tLluv\tNubes\tBar\tBarAbs\tPluv\tPluv.Acu\tLuzD\tLuzN\tTemp\tHrel\tT.Roc\tVel.T\t"
    "Vel.Med\tVel\tDir.M\tFuente\tRiesgo");

QString recordDate(const GraphRecord& r) {
    return shortDateText(fromDayCount(r.date).date());
}

QString recordTime(const GraphRecord& r) {
    return paddedLongTimeText(fromDayCount(r.timeOfDay).time());
}

}  // namespace

QString DataTables::line(const Row& r) const {
    QString text = r.date + u'\t' + r.time;
    text += QString::asprintf("\t%02d\t%02d\t", r.rain, r.cloud);
    text += QString::asprintf(r.pressureFormat, r.pressure);
    text += QString::asprintf("\t%05.1f\t%05.1f\t%05.1f\t%04.1f\t%05.2f\t%04.1f\t%04.1f\t%04.1f",
                              r.pressureAbs, r.rainGauge, r.rainTotal, r.light, r.sky,
                              r.temperature, r.humidity, r.dewPoint);
    text += QString::asprintf("\t%04.1f\t%04.1f\t%04.1f\t%03i\t%04.1f\t%u", r.thermalWind,
                              r.meanWind, r.wind, r.direction, s_.readings.supplyTenthsV * 0.1,
                              static_cast<unsigned>(s_.safety.limitsExceeded));
    if (r.skyTemperature) {
        text += QString::asprintf("\t%04.1f", *r.skyTemperature);
    }
    text.replace(u'.', u',');
    return text + u'\n';
}

QString DataTables::monthlyFileName() const {
    return s_.config.dataDirectory + QStringLiteral("zaq_") +
           fileNamePart(shortDateText(s_.clock.now().date()).mid(3)) + QStringLiteral(".txt");
}

QString DataTables::fiveSecondFileName() const {
    return s_.config.dataDirectory + QStringLiteral("5sg_") +
           fileNamePart(shortDateText(s_.clock.now().date())) + QStringLiteral(".txt");
}

// Means are float sums divided by N, as the station PC computed them.
void DataTables::writeMonthlyDataLine() {
    if (!s_.store.holdsRecordOfThisRun()) {
        return;
    }
    const QString name = monthlyFileName();
    createWithHeader(name, kHeader + QStringLiteral("\tTIR\n"));
    const int n = s_.settings.CB1minuto.checked ? 1 : 5;
    const float count = static_cast<float>(n);
    const auto& records = s_.store.records();
    float rain = 0, cloud = 0, pressure = 0, abs = 0, gauge = 0, light = 0, sky = 0, temp = 0,
          hum = 0, dew = 0, thermal = 0, mean = 0, wind = 0;
    for (int i = GraphStore::kRecords - n; i < GraphStore::kRecords; ++i) {
        const GraphRecord& r = records[static_cast<std::size_t>(i)];
        rain += r.rainPercent;
        cloud += r.cloudPercent;
        pressure += r.pressureSeaLevel;
        abs += r.pressureStation;
        gauge += r.rainGauge;
        light += r.solarRadiation;
        sky += r.skyBrightness;
        temp += r.temperature;
        hum += r.humidity;
        dew += r.dewPoint;
        thermal += r.thermalWind;
        mean += r.windMean10;
        wind = std::max(wind, r.windMax);
    }
    const GraphRecord& newest = s_.store.newest();
    const Row row{recordDate(newest),
                  recordTime(newest),
                  truncated(rain / count),
                  truncated(cloud / count),
                  pressure / count,
                  "%06.1f",
                  abs / count,
                  gauge / count,
                  s_.readings.rainTotalMm,
                  light / count,
                  sky / count,
                  temp / count,
                  hum / count,
                  dew / count,
                  thermal / count,
                  mean / count,
                  n == 1 ? newest.windMax : wind,
                  truncated(s_.periodic.meanWindDirection()),
                  s_.readings.skyTemperatureC};
    appendText(name, line(row));
}

void DataTables::writeFiveSecondLine() {
    const QString name = fiveSecondFileName();
    if (createWithHeader(name, kHeader + u'\n')) {
        s_.messages.addMessage(QStringLiteral("Creado fichero para datos cada 5sg: ") + name);
    }
    const CurrentReadings& r = s_.readings;
    const QDateTime now = s_.clock.now();
    const Row row{shortDateText(now.date()),
                  longTimeText(now.time()),
                  truncated(r.rainSensorX10 * 0.1),
                  truncated(r.cloudX10 * 0.1),
                  r.pressureSeaX10 * 0.1,
                  "%05.1f",
                  r.pressureAbsX10 * 0.1,
                  r.rainTodayTenths * 0.1,
                  r.rainTotalMm,
                  r.daylight * 0.1,
                  r.skyMagnitude,
                  r.temperatureX10 * 0.1,
                  r.humidityX10 * 0.1,
                  r.dewPointX10 * 0.1,
                  r.windThermalKmh,
                  r.windMeanKmh,
                  r.windKmh,
                  truncated(s_.periodic.meanWindDirection()),
                  std::nullopt};
    appendText(name, line(row));
}

DataTables::Row DataTables::newestRow() const {
    const GraphRecord& g = s_.store.newest();
    return Row{recordDate(g),
               recordTime(g),
               truncated(g.rainPercent),
               truncated(g.cloudPercent),
               g.pressureSeaLevel,
               "%06.1f",
               g.pressureStation,
               g.rainGauge,
               s_.readings.rainTotalMm,
               g.solarRadiation,
               g.skyBrightness,
               g.temperature,
               g.humidity,
               g.dewPoint,
               g.thermalWind,
               g.windMean10,
               g.windMax,
               truncated(g.windDirection),
               std::nullopt};
}

// One atomic replacement: a reader finds the header and the line, never a half-written file.
void DataTables::writeCurrentDataFile() {
    replaceTextFile(s_.config.dataDirectory + QStringLiteral("zaqdf.txt"),
                    kHeader + u'\n' + line(newestRow()));
}

}  // namespace zaq
