#include "settings/DataLogDecoder.h"

#include <cmath>

#include "base/Configuration.h"
#include "base/MessagesList.h"
#include "station/SkyBrightness.h"
#include "ui/DateTimeText.h"
#include "ui/TextFile.h"

namespace zaq {
namespace {

constexpr int kHeaderLength = 7;
constexpr int kRecordLength = 54;
constexpr int kFirstBlock = 1400;
constexpr int kMaxRecord = 147;
constexpr int kMinRecord = 148;
constexpr int kTenMinuteRecords = 146;

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// Digits up to the first that is not one, as a C-style conversion reads them; 0 without any.
int number(const QByteArray& text, int pos, int width, int base) {
    int value = 0;
    for (int i = pos; i < pos + width; ++i) {
        const int d = base == 16 ? hexDigit(text[i])
                                 : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
        if (d < 0) {
            break;
        }
        value = value * base + d;
    }
    return value;
}

int signed16(int v) {
    return v >= 0x8000 ? v - 0x10000 : v;
}

const QString kTenMinuteHeader = QStringLiteral(
    "Dia\tHora\tLluv\tNubes\tBar\tPluv\tPluv.Acu\tLuzD\tLuzN\tTemp\tHrel\tT.Roc\tAne.M\tAne\t"
    "Veleta\tFuente \n");
const QString kDailyHeader = QStringLiteral(
    "Dia\tLluv\tNubes\tBar\tPluv\tPluv.Acu\tLuzD\tLuzN\tTemp\tHrel\tT.Roc\tAne.M\tAne\tVeleta\t"
    "Fuente \n");

// Erased or empty memory has no plausible supply or year.
bool plausible(const DataLogDecoder::Record& r) {
    return r.date.year() < 2050 && r.supply > 50 && r.supply < 240;
}

// The columns after the date (and time), tab-separated, decimals with ",".
QString columns(const DataLogDecoder::Record& r) {
    const double hz = (r.skyPacked % 10000) * std::pow(10.0, r.skyPacked / 10000) * 0.001;
    return QString::asprintf(
        "%02d\t%02d\t%06.1f\t%05.1f\t%05.1f\t%03d\t%05.2f\t%04.1f\t%02d\t%04.1f\t%03d\t%03d\t"
        "%03d\t%03.1f",
        r.rainSensor, r.cloud, r.pressure * 0.1, r.rainDay * 0.01, r.rainTotal * 0.1, r.light,
        static_cast<double>(skyMagnitudeFromHz(static_cast<float>(hz))), r.temperature * 0.1,
        r.humidity, r.dewPoint * 0.1, r.meanWind, r.wind / 10, r.direction * 10, r.supply * 0.1);
}

QString dataLine(QString line) {
    return line.replace(u'.', u',') + u'\n';
}

}  // namespace

void DataLogDecoder::handleDumpMessage(const QByteArray& text) {
    if (text.size() == kHeaderLength && text[0] == '(' && text[6] == ')') {
        applyBlockHeader(text);
    } else if (text.size() == kRecordLength && text[0] == '(' && text[53] == ')') {
        applyRecord(text);
    }
}

void DataLogDecoder::applyBlockHeader(const QByteArray& text) {
    const int b = static_cast<quint16>(number(text, 1, 5, 10) - kFirstBlock);
    month_ = (b / 7) / 31 + 1;
    dayOfMonth_ = (b / 7) % 31 + 1;
    blockInDay_ = b % 7;
    messages_.addMessage(
        QStringLiteral("  Mes:%1 Dia:%2 Bloque:%3").arg(month_).arg(dayOfMonth_).arg(blockInDay_));
}

void DataLogDecoder::applyRecord(const QByteArray& text) {
    Record& r = day_[static_cast<std::size_t>(count_)];
    if (text[5] != 'F') {
        year_ = 2000 + number(text, 5, 2, 16);
    }
    // A date or time that does not exist leaves the slot's own.
    const QDate date(year_, month_, dayOfMonth_);
    if (date.isValid()) {
        r.date = date;
    }
    const int minute = number(text, 1, 4, 10) * 10 / 24 + 220 * blockInDay_;
    if (minute / 60 < 24) {
        r.time = QTime(minute / 60, minute % 60, 0);
    }
    const int cloud = number(text, 7, 2, 16);
    r.cloud = cloud > 99 ? 0 : cloud;
    r.humidity = number(text, 9, 2, 16);
    r.direction = number(text, 11, 2, 16);
    r.rainSensor = number(text, 13, 2, 16);
    r.supply = number(text, 15, 2, 16);
    r.temperature = signed16(number(text, 17, 4, 16));
    r.dewPoint = signed16(number(text, 21, 4, 16));
    r.light = number(text, 25, 4, 16);
    r.skyPacked = number(text, 29, 4, 16);
    r.rainDay = number(text, 33, 4, 16);
    r.rainTotal = number(text, 37, 4, 16);
    r.meanWind = number(text, 41, 4, 16);
    r.wind = number(text, 45, 4, 16);
    r.pressure = number(text, 49, 4, 16);
    if (++count_ < kRecordsPerDay) {
        return;
    }
    count_ = 0;
    if (year_ >= 1 && year_ <= 2049) {
        writeDay();
    } else {
        // Never written over the end: the day is dropped and the buffer starts again.
        messages_.addMessage(
            QStringLiteral("Datalogger: dia sin año valido (%1), no se guarda.").arg(year_));
    }
}

void DataLogDecoder::writeDay() {
    QString tenMinutes;
    for (int i = 0; i < kTenMinuteRecords; ++i) {
        const Record& r = day_[static_cast<std::size_t>(i)];
        if (plausible(r)) {
            tenMinutes += dataLine(shortDateText(r.date) + u'\t' + paddedLongTimeText(r.time) +
                                   u'\t' + columns(r));
        }
    }
    const auto daily = [this](int index) {
        const Record& r = day_[static_cast<std::size_t>(index)];
        return plausible(r) ? dataLine(shortDateText(r.date) + u'\t' + columns(r)) : QString();
    };
    const QString base = config_.dataDirectory + QStringLiteral("DataLog_") +
                         QString::asprintf("%02d_%02d", month_, year_);
    appendFile(base + QStringLiteral(".txt"), kTenMinuteHeader, tenMinutes);
    appendFile(base + QStringLiteral("_Max.txt"), kDailyHeader, daily(kMaxRecord));
    appendFile(base + QStringLiteral("_Min.txt"), kDailyHeader, daily(kMinRecord));
}

void DataLogDecoder::appendFile(const QString& name, const QString& header, const QString& lines) {
    if (createWithHeader(name, header)) {
        messages_.addMessage(QStringLiteral("Creado: ") + name);
    }
    if (!appendText(name, lines)) {
        messages_.addMessage(QStringLiteral("Inaccesible: ") + name);
    }
}

}  // namespace zaq
