#include "records/EasyWeatherFile.h"

#include "base/Clock.h"
#include "base/Configuration.h"
#include "base/CurrentReadings.h"
#include "base/MainForm.h"
#include "graphs/GraphStore.h"
#include "ui/DateTimeText.h"
#include "ui/DayCount.h"
#include "ui/NumberFormat.h"
#include "ui/TextFile.h"

namespace zaq {
namespace {
constexpr int kHourAgo = GraphStore::kRecords - 1 - 60;
}

QString EasyWeatherFile::composeLine() {
    const CurrentReadings& r = s_.readings;
    const GraphRecord& g = s_.store.newest();
    const QDate day = fromDayCount(g.date).date();
    const QString stamp = QString::asprintf("%i-%i-%i ", day.year(), day.month(), day.day()) +
                          paddedLongTimeText(s_.clock.now().time());
    const double lastHour = g.rainGauge - s_.store.records()[kHourAgo].rainGauge;
    QStringList f;
    f << QString::asprintf("%04i", ++writes_) << stamp << stamp << QStringLiteral("5")
      << QString::asprintf("%i", truncated(g.cloudPercent))
      << QString::asprintf("%.1f", g.skyBrightness) << QString::asprintf("%i", r.humidityX10 / 10)
      << QString::asprintf("%.1f", r.temperatureX10 * 0.1)
      << QString::asprintf("%.1f", r.dewPointX10 * 0.1) << QString::asprintf("%.1f", g.dewPoint)
      << QString::asprintf("%.1f", g.pressureStation)
      << QString::asprintf("%.1f", g.pressureSeaLevel)
      << QString::asprintf("%.1f", g.windMean10 / 3.6)
      << QString::asprintf("%i", truncated(g.windMean10))
      << QString::asprintf("%.1f", g.windMax / 3.6) << QString::asprintf("%i", truncated(g.windMax))
      << QString::asprintf("%i", truncated(g.windDirection / 24)) << s_.main.PDirNSEO.text
      << QStringLiteral("0") << QString::asprintf("%.1f", r.rainTotalMm) << QStringLiteral("0.0")
      << QString::asprintf("%.1f", lastHour) << QString::asprintf("%.1f", g.rainGauge)
      << QStringLiteral("0") << QString::asprintf("%.1f", r.rainMonthMm)
      << QString::asprintf("%.1f", r.rainTotalMm);
    for (int i = 0; i < 8; ++i) {
        f << QStringLiteral("0");
    }
    f << QStringLiteral("000000") << QStringLiteral("00 ").repeated(16);
    return f.join(QStringLiteral(", ")) + QStringLiteral(", ");
}

void EasyWeatherFile::writeEasyWeatherFile() {
    replaceTextFile(s_.config.dataDirectory + QStringLiteral("easyweather.txt"), composeLine());
}

}  // namespace zaq
