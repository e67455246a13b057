#include "records/ExtremesFile.h"

#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <optional>

#include "base/Clock.h"
#include "base/Configuration.h"
#include "base/CurrentReadings.h"
#include "base/MessagesList.h"
#include "records/MonthYearExtremes.h"
#include "station/FieldReader.h"
#include "station/StationExtremes.h"
#include "ui/DateTimeText.h"
#include "ui/TextFile.h"

namespace zaq {
namespace {

using Q = StationExtremes;
using Records = MonthYearExtremes::Records;

// Lines written with much wider values than the usual ones still fit.
constexpr qint64 kMostBytesRead = 4096;

// The value after a key, up to the tab (or blank) that ends it; empty when the key is missing.
std::optional<double> valueAfter(const QByteArray& line, const char* key) {
    const qsizetype at = line.indexOf(key);
    if (at < 0) {
        return std::nullopt;
    }
    const qsizetype start = at + static_cast<qsizetype>(qstrlen(key));
    qsizetype end = start;
    while (end < line.size() && std::strchr("\t \r\n", line[end]) == nullptr) {
        ++end;
    }
    return readDecimal(line.constData() + start, static_cast<int>(end - start));
}

void take(float& value, const QByteArray& line, const char* key) {
    if (const auto read = valueAfter(line, key)) {
        value = static_cast<float>(*read);
    }
}

void raise(float& record, float value) {
    if (value > record) {
        record = value;
    }
}

void lower(float& record, float value) {
    if (value < record) {
        record = value;
    }
}

}  // namespace

void ExtremesFile::updateExtremesWhenDue() {
    const StationExtremes& d = p_.station;
    if (d.stationMaxReceived && d.min[Q::Humidity] > 8 && d.min[Q::PressureSea] > 950) {
        updateExtremes();
    }
}

void ExtremesFile::BIniExtremasClick() {
    recoveryState_ = 1;
    updateExtremes();
}

void ExtremesFile::updateExtremes() {
    p_.station.stationMaxReceived = false;
    const int month = p_.clock.now().date().month();
    if (recoveryState_ < 3) {
        recover();
    }
    if (month != p_.records.storedMonth) {
        changeMonth(month);
    }
    if (!plausible()) {
        return;
    }
    takeTheDay();
    const QString stamp = timeText(p_.clock.now());
    if (!replaceTextFile(p_.path, fileLine())) {
        p_.messages.addMessage(stamp + QStringLiteral(" Fichero extremas.txt inaccesible."));
        return;
    }
    const MonthYearExtremes::Records& m = p_.records.month;
    if (m.lowHumidity > 0 && m.highHumidity < 1000) {
        p_.writeTemplates();
    } else {
        p_.messages.addMessage(
            stamp + QStringLiteral(" Humedad fuera de rango, no se creó archivo para web. "));
    }
}

void ExtremesFile::recover() {
    recoveryState_ = 5;
    if (!QFileInfo::exists(p_.path)) {
        p_.messages.addMessage(QStringLiteral("Inicializado fichero: ") + p_.path);
        resetRecords();
        return;
    }
    QFile file(p_.path);
    if (!file.open(QIODevice::ReadOnly)) {
        p_.messages.addMessage(QStringLiteral("Fichero extremas.txt no accesible: ") + p_.path);
        recoveryState_ = 1;
        return;
    }
    const QByteArray line = file.read(kMostBytesRead);
    file.close();
    p_.messages.addMessage(QStringLiteral("Recuperadas max-min de: ") + p_.path);
    readRecords(line);
}

// A key missing from the file leaves its record at the reset value.
void ExtremesFile::readRecords(const QByteArray& line) {
    resetRecords();
    MonthYearExtremes& r = p_.records;
    const qsizetype month = line.indexOf("*MES=");
    r.storedMonth = month < 0 ? 0 : readInteger(line.constData() + month + 5, 2);
    for (auto [records, prefix] : {std::pair{&r.month, 'M'}, std::pair{&r.year, 'Y'}}) {
        take(records->highTemperature, line, recordKey(prefix, "HTM"));
        take(records->lowTemperature, line, recordKey(prefix, "LTM"));
        take(records->highHumidity, line, recordKey(prefix, "HHM"));
        take(records->lowHumidity, line, recordKey(prefix, "LHM"));
        take(records->highPressure, line, recordKey(prefix, "HBR"));
        take(records->lowPressure, line, recordKey(prefix, "LBR"));
        take(records->strongestWind, line, recordKey(prefix, "GST"));
    }
    take(r.monthStartRainMm, line, "*MPCP=");
}

void ExtremesFile::resetRecords() {
    p_.records.month = Records::reset();
    p_.records.year = Records::reset();
    p_.records.monthStartRainMm = p_.readings.rainTotalMm;
}

void ExtremesFile::changeMonth(int month) {
    MonthYearExtremes& r = p_.records;
    if (QFileInfo::exists(p_.path)) {
        const QString archive = p_.config.dataDirectory + QStringLiteral("extremas") +
                                QString::asprintf("%02i", r.storedMonth) + QStringLiteral(".txt");
        QFile::remove(archive);
        QFile::copy(p_.path, archive);
        p_.messages.addMessage(QStringLiteral("Salvado fichero de max-min mensual: ") + archive);
    }
    r.month = Records::reset();
    r.monthStartRainMm = p_.readings.rainTotalMm;
    if (month < r.storedMonth) {
        r.year = Records::reset();
        r.monthStartRainMm = 0;
    }
    r.storedMonth = month;
}

bool ExtremesFile::plausible() {
    const StationExtremes& d = p_.station;
    const QString stamp = timeText(p_.clock.now());
    if (d.min[Q::PressureSea] < 500) {
        p_.messages.addMessage(stamp +
                               QStringLiteral(" BAROMETRO < 500, no se creó archivo para web."));
        return false;
    }
    if (d.min[Q::Humidity] < 5) {
        p_.messages.addMessage(stamp +
                               QStringLiteral(" HUMEDAD < 5, no se creó archivo para web."));
        return false;
    }
    return true;
}

void ExtremesFile::takeTheDay() {
    const StationExtremes& d = p_.station;
    Records& m = p_.records.month;
    raise(m.highTemperature, d.max[Q::Temperature]);
    raise(m.highHumidity, d.max[Q::Humidity]);
    raise(m.highPressure, d.max[Q::PressureSea]);
    raise(m.strongestWind, d.max[Q::Wind]);
    lower(m.lowTemperature, d.min[Q::Temperature]);
    // A day minimum humidity of 4 % or less is the sensor, not the air.
    if (d.min[Q::Humidity] > 4) {
        lower(m.lowHumidity, d.min[Q::Humidity]);
    }
    lower(m.lowPressure, d.min[Q::PressureSea]);
    Records& y = p_.records.year;
    raise(y.highTemperature, m.highTemperature);
    raise(y.highHumidity, m.highHumidity);
    raise(y.highPressure, m.highPressure);
    raise(y.strongestWind, m.strongestWind);
    lower(y.lowTemperature, m.lowTemperature);
    lower(y.lowHumidity, m.lowHumidity);
    lower(y.lowPressure, m.lowPressure);
}

QString ExtremesFile::fileLine() const {
    const MonthYearExtremes& r = p_.records;
    const auto group = [](char prefix, const Records& g, double rain) {
        return QString::asprintf(
            "*%cHTM=%05.1f\t*%cLTM=%05.1f\t*%cHHM=%05.1f\t*%cLHM=%05.1f\t"
            "*%cHBR=%06.1f\t*%cLBR=%06.1f\t*%cGST=%05.1f\t*%cPCP=%05.1f",
            prefix, g.highTemperature, prefix, g.lowTemperature, prefix, g.highHumidity, prefix,
            g.lowHumidity, prefix, g.highPressure, prefix, g.lowPressure, prefix, g.strongestWind,
            prefix, rain);
    };
    const double yearRain = p_.readings.rainTodayTenths * 0.1 + p_.readings.rainTotalMm;
    return QString::asprintf("*MES=%02i ", p_.clock.now().date().month()) +
           group('M', r.month, r.monthStartRainMm) + u'\t' + group('Y', r.year, yearRain) + u'\n';
}

}  // namespace zaq
