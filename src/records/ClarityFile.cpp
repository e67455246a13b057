#include "records/ClarityFile.h"

#include "base/Clock.h"
#include "base/Configuration.h"
#include "base/CurrentReadings.h"
#include "base/MessagesList.h"
#include "ui/DayCount.h"
#include "ui/TextFile.h"

namespace zaq {
namespace {

// A column's text written from its first position; a longer text runs into the next column,
// whose own text then cuts it.
void put(QByteArray& record, int column, const QString& text) {
    const QByteArray bytes = text.toLatin1();
    for (qsizetype i = 0; i < bytes.size() && column + i < ClarityFile::kSize - 1; ++i) {
        record[column + i] = bytes[i];
    }
}

char cloudCondition(double c, double limit) {
    if (c < limit) {
        return '1';
    }
    if (c < limit + 10) {
        return '2';
    }
    return c >= 70 ? '3' : ' ';
}

char windCondition(double w) {
    return w < 5 ? '1' : w < 15 ? '2' : '3';
}
char rainCondition(double r) {
    return r < 3 ? '1' : '3';
}
char daylightCondition(double m) {
    return m >= 16 ? '1' : m >= 10 ? '2' : '3';
}

}  // namespace

QByteArray ClarityFile::composeRecord() const {
    const CurrentReadings& r = s_.readings;
    const QDateTime now = s_.clock.now();
    const QDate d = now.date();
    const QTime t = now.time();
    const double cloud = r.cloudX10 * 0.1;
    const double rain = r.rainSensorX10 * 0.1;
    const QString temperature = QString::asprintf("%04.1f", r.temperatureX10 * 0.1);
    const char wet = r.rainSensorX10 / 10 > 2 ? '1' : '0';

    QByteArray record(kSize, ' ');
    put(record, 0, QString::asprintf("%04i-%02i-%02i", d.year(), d.month(), d.day()));
    put(record, 11, QString::asprintf("%02i:%02i:%02i", t.hour(), t.minute(), t.second()));
    put(record, 19, QStringLiteral(".00"));
    put(record, 23, QStringLiteral("C"));
    put(record, 25, QStringLiteral("K"));
    put(record, 27, QString::asprintf("%05.1f", (cloud - 100.0) / 3.0));
    put(record, 34, temperature);
    put(record, 40, temperature);
    put(record, 48, QString::asprintf("%04.1f", r.windKmh));
    put(record, 55, QString::asprintf("%03i", r.humidityX10 / 10));
    put(record, 59, QString::asprintf("%04.1f", r.dewPointX10 * 0.1));
    put(record, 70, QString(QChar(wet)));
    put(record, 72, QString(QChar(wet)));
    put(record, 74, QStringLiteral("00005"));
    put(record, 80, QString::asprintf("%12.5f", toDayCount(now)));
    record[93] = cloudCondition(cloud, s_.config.limits.cloudPercent);
    record[95] = windCondition(r.windKmh);
    record[97] = rainCondition(rain);
    record[99] = daylightCondition(r.skyMagnitude);
    record[kSize - 1] = '\0';
    return record;
}

void ClarityFile::writeClarityFile() {
    const QString name = s_.config.graphsDirectory + QStringLiteral("cdf.txt");
    if (!fileExists(name) && replaceFile(name, {})) {
        s_.messages.addMessage(QStringLiteral("Creado fichero simple de datos en: ") + name);
    }
    replaceFile(name, composeRecord());
}

}  // namespace zaq
