#include "records/WebTemplates.h"

#include <QFile>

#include "base/Clock.h"
#include "base/Configuration.h"
#include "base/CurrentReadings.h"
#include "base/MessagesList.h"
#include "graphs/ChartModel.h"
#include "graphs/GraphStore.h"
#include "records/MonthYearExtremes.h"
#include "station/StationExtremes.h"
#include "ui/DateTimeText.h"
#include "ui/NumberFormat.h"
#include "ui/TextFile.h"
#include "ui/Windows1252.h"

namespace zaq {
namespace {

using Q = StationExtremes;

constexpr qint64 kCodeBytes = 68;
constexpr int kCodeCharacters = 63;
constexpr int kEotAfter = 60;
constexpr int kThreeHours = 180;
constexpr int kOneHour = 60;

QString decimal(double value) {
    return QString::asprintf("%0.1f", value);
}

// "Falling Rapidly" … "Rising Rapidly" for the three-hour change of the sea-level pressure.
QString tendencyWord(double t) {
    if (t < -2) {
        return QStringLiteral("Falling Rapidly");
    }
    if (t < -1) {
        return QStringLiteral("Falling Slowly");
    }
    if (t <= 1) {
        return QStringLiteral("Steady");
    }
    return t <= 2 ? QStringLiteral("Rising Slowly") : QStringLiteral("Rising Rapidly");
}

const GraphRecord& recordsBack(const GraphStore& store, int minutes) {
    return store.records()[static_cast<std::size_t>(GraphStore::kRecords - 1 - minutes)];
}

}  // namespace

double WebTemplates::monthRainMm() const {
    const CurrentReadings& r = p_.readings;
    return r.rainTotalMm - p_.records.monthStartRainMm + r.rainTodayTenths * 0.1;
}

double WebTemplates::yearRainMm() const {
    return p_.readings.rainTodayTenths * 0.1 + p_.readings.rainTotalMm;
}

// Valid with "*COD=" and "*EOT" beginning after its 60th character, counted in the file's bytes.
// A file that exists but cannot be opened counts as valid and empty.
std::optional<QString> WebTemplates::stationCode() {
    QFile file(p_.programDirectory + QStringLiteral("cod_meteoclimatic.txt"));
    if (!file.exists()) {
        return QStringLiteral("*COD=Codigo-Meteoclimatic\n");
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return QString();
    }
    const QString text = decodeWindows1252(file.read(kCodeBytes));
    const qsizetype cod = text.indexOf(QStringLiteral("*COD="));
    const qsizetype eot = text.indexOf(QStringLiteral("*EOT"));
    if (cod >= 0 && eot >= kEotAfter) {
        // Its line ends become the template's own.
        return text.left(kCodeCharacters).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
    if (!codeFileReported_) {
        codeFileReported_ = true;
        p_.messages.addMessage(QStringLiteral("Fichero cod_meteoclimatic.txt incorrecto."));
    }
    const qsizetype eotWord = text.indexOf(QStringLiteral("EOT"));
    p_.messages.addMessage(QStringLiteral("pos:") + QString::number(cod + 1) +
                           QStringLiteral(" EOT: ") + QString::number(eotWord + 1));
    return std::nullopt;
}

bool WebTemplates::createWhenMissing(const QString& path, const QString& announce) {
    if (QFile::exists(path)) {
        return true;
    }
    if (!replaceTextFile(path, QString())) {
        return false;
    }
    p_.messages.addMessage(announce + path);
    return true;
}

void WebTemplates::writeMeteoclimaticTemplate() {
    const auto code = stationCode();
    if (!code) {
        return;
    }
    const QString path = p_.config.graphsDirectory + QStringLiteral("meteoclimatic.htm");
    if (!createWhenMissing(path, QStringLiteral("Iniciado Fichero Meteoclimatic: "))) {
        return;
    }
    const CurrentReadings& r = p_.readings;
    const StationExtremes& d = p_.day;
    QString text = QStringLiteral(
                       "<HTML>\n<HEAD>\n<TITLE>Plantilla Meteoclimatic</TITLE>\n</HEAD>\n<BODY>\n"
                       "*VER=DATA2\n") +
                   *code + QStringLiteral("*UPD=") + timeText(p_.clock.now());
    const auto line = [&text](const QByteArray& key, const QString& value) {
        text += u'\n' + QString::fromLatin1(key) + value;
    };
    line("*TMP=", QString::asprintf("%04.1f", r.temperatureX10 * 0.1));
    line("*WND=", decimal(r.windKmh));
    line("*AZI=", QString::number(r.windDirectionDeg));
    line("*BAR=", decimal(r.pressureSeaX10 * 0.1));
    line("*HUM=", decimal(r.humidityX10 * 0.1));
    line("*SUN=", decimal(r.daylight));
    line("*UVI=", QStringLiteral(" "));
    line("*DHTM=", decimal(d.max[Q::Temperature]));
    line("*DLTM=", decimal(d.min[Q::Temperature]));
    line("*DHHM=", decimal(d.max[Q::Humidity]));
    line("*DLHM=", decimal(d.min[Q::Humidity]));
    line("*DHBR=", decimal(d.max[Q::PressureSea]));
    line("*DLBR=", decimal(d.min[Q::PressureSea]));
    line("*DGST=", decimal(d.max[Q::Wind]));
    line("*DSUN=", QStringLiteral(" "));
    line("*DHUV=", QStringLiteral(" "));
    line("*DPCP=", decimal(r.rainTodayTenths * 0.1));
    line("*WRUN=", QStringLiteral(" "));
    for (const auto& [prefix, g, rain] : {std::tuple{'M', &p_.records.month, monthRainMm()},
                                          std::tuple{'Y', &p_.records.year, yearRainMm()}}) {
        line(recordKey(prefix, "HTM"), decimal(g->highTemperature));
        line(recordKey(prefix, "LTM"), decimal(g->lowTemperature));
        line(recordKey(prefix, "HHM"), decimal(g->highHumidity));
        line(recordKey(prefix, "LHM"), decimal(g->lowHumidity));
        line(recordKey(prefix, "HBR"), decimal(g->highPressure));
        line(recordKey(prefix, "LBR"), decimal(g->lowPressure));
        line(recordKey(prefix, "GST"), decimal(g->strongestWind));
        line(recordKey(prefix, "SUN"), QStringLiteral(" "));
        line(recordKey(prefix, "HUV"), QStringLiteral(" "));
        line(recordKey(prefix, "PCP"), decimal(rain));
    }
    text += QStringLiteral("\n*EOT*\n</BODY>\n</HTML>");
    replaceTextFile(path, text);
    p_.charts.charts[ChartModel::RainGauge].hint =
        QStringLiteral("Este mes: ") + formatGeneral(monthRainMm()) + QStringLiteral("mm");
}

void WebTemplates::writeAwekasTemplate() {
    const QString path = p_.config.graphsDirectory + QStringLiteral("awekas_wl.htm");
    if (!createWhenMissing(path, QStringLiteral("Iniciado Fichero Awekas: "))) {
        return;
    }
    const CurrentReadings& r = p_.readings;
    const GraphRecord& newest = p_.store.newest();
    double change = newest.pressureSeaLevel - recordsBack(p_.store, kThreeHours).pressureSeaLevel;
    // A store still empty three hours back is no change.
    if (change > 40) {
        change = 0;
    }
    const double lastHourRain = newest.rainGauge - recordsBack(p_.store, kOneHour).rainGauge;
    const QDateTime now = p_.clock.now();
    QStringList lines = {QStringLiteral("AWEKAS_Template_start"),
                         QString::asprintf("%04.1f", r.temperatureX10 * 0.1),
                         decimal(r.humidityX10 * 0.1),
                         decimal(r.pressureSeaX10 * 0.1),
                         decimal(r.rainTodayTenths * 0.1),
                         decimal(r.windMeanKmh),
                         QString::number(r.windDirectionDeg),
                         QStringLiteral("%1:%2").arg(now.time().hour()).arg(now.time().minute()),
                         timeText(now).left(10),
                         tendencyWord(change)};
    for (int i = 11; i <= 17; ++i) {
        lines << QStringLiteral("-");
    }
    lines << decimal(r.windGustKmh) << QStringLiteral("---") << QStringLiteral("---")
          << decimal(lastHourRain);
    QString text = lines.join(u'\n') + u'\n';
    text.replace(u'.', u',');
    text += QStringLiteral("---\nºC\n%\nkm/h\nhPa\nmm\nW/m²\nmm/h\nindex\nTemplate_V1.5\n");
    replaceTextFile(path, text);
}

}  // namespace zaq
