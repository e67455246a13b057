#include "graphs/GraphStore.h"

#include <QFile>
#include <QTimeZone>
#include <cmath>
#include <cstring>

#include "base/Clock.h"
#include "base/MessagesList.h"
#include "station/BlockRecord.h"
#include "station/CommandQueue.h"
#include "ui/DayCount.h"
#include "ui/TextFile.h"

namespace zaq {
namespace {
constexpr int kLastBlock = 287;
constexpr double kMinute = 1.0 / 1440.0;
}  // namespace

float limitingMagnitude(double m) {
    return static_cast<float>(7.93 - 5.0 * std::log10(std::pow(10.0, 4.316 - 0.2 * m) + 1.0));
}

void GraphStore::restampTimes() {
    const double start = toDayCount(clock_.now().addDays(-1));
    for (int i = 0; i < kRecords; ++i) {
        const double at = start + i * kMinute;
        records_[static_cast<std::size_t>(i)].date = std::trunc(at);
        records_[static_cast<std::size_t>(i)].timeOfDay = at - std::trunc(at);
    }
}

void GraphStore::requestDayDump(CommandQueue& queue) {
    restampTimes();
    queue.enqueueCommand("(@t0000)");
}

void GraphStore::initGraphStore() {
    restampTimes();
    loadGraphFile();
}

// The file has no header: its size is the only check there is, and a store of the wrong size
// would fill the graphs with shifted values.
void GraphStore::loadGraphFile() {
    QFile file(path_);
    if (!file.exists()) {
        return;
    }
    if (file.size() != kFileSize || !file.open(QIODevice::ReadOnly)) {
        messages_.addMessage(
            QStringLiteral("Fichero zaqgraf.hex de tamaño incorrecto, no cargado."));
        return;
    }
    const QByteArray bytes = file.read(kFileSize);
    if (bytes.size() == kFileSize) {
        std::memcpy(records_.data(), bytes.constData(), static_cast<std::size_t>(kFileSize));
    }
}

void GraphStore::saveGraphFile() const {
    replaceFile(path_, QByteArray(reinterpret_cast<const char*>(records_.data()), kFileSize));
}

void GraphStore::refillFromDayRecord(int block, const BlockRecord& r, int refMinuteOfDay) {
    if (block < 0 || block > kLastBlock) {
        messages_.addMessage(QStringLiteral("Error, posicion fuera de ultimas 24h."));
        return;
    }
    const int t = block * 5;
    const int n = refMinuteOfDay;
    const QDate today = clock_.now().date();
    // A block later in the day than the reference minute is yesterday's.
    const bool yesterday = t > n;
    // The block's wall-clock time, held in UTC where every time of the day exists: on a
    // daylight-saving change day it must not move by an hour.
    const QDateTime instant(yesterday ? today.addDays(-1) : today,
                            QTime::fromMSecsSinceStartOfDay(t * 60'000), QTimeZone::utc());
    for (int k = 0; k < 5; ++k) {
        const int slot = std::min(kRecords - 1, yesterday ? t - n + k : kRecords - 1 - n + t + k);
        GraphRecord& g = records_[static_cast<std::size_t>(slot)];
        g.expectedRadiation = static_cast<float>(expected_(instant).value_or(0.0));
        g.temperature = static_cast<float>(r.temperatureX10 * 0.1);
        g.humidity = static_cast<float>(r.humidityX10 * 0.1);
        g.dewPoint = static_cast<float>(r.dewPointX10 * 0.1);
        g.cloudPercent = static_cast<float>(r.cloudX10 * 0.1);
        g.rainPercent = static_cast<float>(r.rainSensorX10 * 0.1);
        g.windMean = static_cast<float>(r.windRawX10 * 0.1);
        g.windMax = static_cast<float>(r.windRawX10 * 0.1);
        g.windMin = 0;
        g.windMean10 = static_cast<float>(r.windMeanKmh);
        g.thermalWind = static_cast<float>(r.windThermalKmh);
        g.directionCopy = static_cast<float>(r.windDirectionDeg);
        g.windDirection = static_cast<float>(r.windDirectionDeg);
        g.rainGauge = static_cast<float>(r.rainTodayTenths * 0.1);
        g.pressureSeaLevel = static_cast<float>(r.pressureSeaX10 * 0.1);
        g.pressureStation = static_cast<float>(r.pressureAbsX10 * 0.1);
        g.solarRadiation = static_cast<float>(r.daylight);
        g.skyBrightness = r.skyMagnitude;
        g.limitingMagnitude = limitingMagnitude(r.skyMagnitude);
    }
}

}  // namespace zaq
