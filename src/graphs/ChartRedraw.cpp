#include "graphs/ChartRedraw.h"

#include <QTime>
#include <algorithm>
#include <cmath>

#include "graphs/ChartModel.h"
#include "graphs/GraphStore.h"
#include "ui/DateTimeText.h"

namespace zaq {
namespace {

constexpr Colour kFuchsia = Colour::rgb(255, 0, 255);

struct Feed {
    ChartSeries& (ChartModel::*series)();
    float GraphRecord::*field;
    Colour pointColour;
};

// In the order the station PC appended them.
const Feed kFeeds[] = {
    {&ChartModel::temperature, &GraphRecord::temperature, colours::black},
    {&ChartModel::dewPoint, &GraphRecord::dewPoint, colours::red},
    {&ChartModel::windMean, &GraphRecord::windMean, colours::skyBlue},
    {&ChartModel::windMean10, &GraphRecord::windMean10, colours::green},
    {&ChartModel::windMax, &GraphRecord::windMax, colours::blue},
    {&ChartModel::windMin, &GraphRecord::windMin, colours::grey},
    {&ChartModel::thermalWind, &GraphRecord::thermalWind, colours::red},
    {&ChartModel::windDirection, &GraphRecord::windDirection, colours::red},
    {&ChartModel::rainGauge, &GraphRecord::rainGauge, colours::red},
    {&ChartModel::cloud, &GraphRecord::cloudPercent, colours::grey},
    {&ChartModel::thermalCloud, &GraphRecord::thermalCloud, colours::grey},
    {&ChartModel::rain, &GraphRecord::rainPercent, colours::red},
    {&ChartModel::humidity, &GraphRecord::humidity, colours::blue},
    {&ChartModel::solarRadiation, &GraphRecord::solarRadiation, colours::green},
    {&ChartModel::skyBrightness, &GraphRecord::skyBrightness, colours::green},
    {&ChartModel::limitingMagnitude, &GraphRecord::limitingMagnitude, colours::red},
    {&ChartModel::pressureSeaLevel, &GraphRecord::pressureSeaLevel, colours::blue},
    {&ChartModel::pressureStation, &GraphRecord::pressureStation, colours::blue},
    {&ChartModel::expectedRadiation, &GraphRecord::expectedRadiation, kFuchsia},
};

}  // namespace

void redrawGraphs(const GraphStore& store, ChartModel& model) {
    const auto& records = store.records();
    constexpr int n = GraphStore::kRecords;
    model.temperature2().points.clear();
    model.pointLabels.clear();
    model.pointLabels.reserve(n);
    model.pointTimes.resize(n);
    for (int i = 0; i < n; ++i) {
        // A damaged file may hold anything here.
        const double time = records[static_cast<std::size_t>(n - 1 - i)].timeOfDay;
        const double safe = time >= 0.0 && time < 1.0 ? time : 0.0;
        model.pointTimes[static_cast<std::size_t>(i)] = safe;
        const long ms = std::min(86399999L, std::lround(safe * 86400000.0));
        model.pointLabels << longTimeText(QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)));
    }
    for (const Feed& feed : kFeeds) {
        ChartSeries& series = (model.*feed.series)();
        series.pointColour = feed.pointColour;
        series.points.resize(n);
        for (int i = 0; i < n; ++i) {
            const GraphRecord& r = records[static_cast<std::size_t>(n - 1 - i)];
            series.points[static_cast<std::size_t>(i)] = QPointF(i, r.*feed.field);
        }
    }
    ++model.revision;
}

}  // namespace zaq
