#pragma once

#include <QPointF>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "ui/Colour.h"

namespace zaq {

// An axis of a chart: a fixed range or an automatic one, its label step and colour.
struct ChartAxis {
    bool automatic = false;
    double minimum = 0;
    double maximum = 0;
    double step = 0;
    bool inverted = false;
    QString title;
    Colour labelColour = colours::black;
};

enum class SeriesAxis { Left, Right, Both };

struct ChartSeries {
    QString title;
    Colour colour;
    // The colour the redraw gives every point. Lines and legends are drawn in the series
    // colour, so that each line can be told by its legend.
    Colour pointColour;
    int width = 1;
    SeriesAxis axis = SeriesAxis::Left;
    bool active = true;
    bool roundPoints = false;
    // x: minutes before the newest record; the point labels are the chart model's.
    std::vector<QPointF> points;
};

struct Chart {
    QString title;
    QString hint;
    ChartAxis left;
    ChartAxis right;
    ChartAxis bottom;
    std::vector<ChartSeries> series;
    bool legendShowsLastValue = false;
    Colour background = Colour::rgb(221, 221, 221);
    bool gradient = false;
};

// The six 24-hour charts as data, drawn by the graphs window and rendered into pictures.
struct ChartModel {
    ChartModel();

    enum Position { Temperature, RainCloudHumidity, SkyBrightness, Wind, RainGauge, Pressure };
    std::array<Chart, 6> charts;
    // The time of day of each point index, shared by every series: as text, and as a fraction
    // of a day for the time axes.
    QStringList pointLabels;
    std::vector<double> pointTimes;
    // Counts the redraws, so a view replaces its series only when there is something new.
    int revision = 0;

    // The series, fed in the redraw's order.
    ChartSeries& temperature() { return charts[Temperature].series[0]; }
    ChartSeries& dewPoint() { return charts[Temperature].series[1]; }
    ChartSeries& temperature2() { return charts[Temperature].series[2]; }
    ChartSeries& cloud() { return charts[RainCloudHumidity].series[0]; }
    ChartSeries& thermalCloud() { return charts[RainCloudHumidity].series[1]; }
    ChartSeries& rain() { return charts[RainCloudHumidity].series[2]; }
    ChartSeries& humidity() { return charts[RainCloudHumidity].series[3]; }
    ChartSeries& expectedRadiation() { return charts[RainCloudHumidity].series[4]; }
    ChartSeries& solarRadiation() { return charts[RainCloudHumidity].series[5]; }
    ChartSeries& skyBrightness() { return charts[SkyBrightness].series[0]; }
    ChartSeries& limitingMagnitude() { return charts[SkyBrightness].series[1]; }
    ChartSeries& thermalWind() { return charts[Wind].series[0]; }
    ChartSeries& windDirection() { return charts[Wind].series[1]; }
    ChartSeries& windMax() { return charts[Wind].series[2]; }
    ChartSeries& windMin() { return charts[Wind].series[3]; }
    ChartSeries& windMean() { return charts[Wind].series[4]; }
    ChartSeries& windMean10() { return charts[Wind].series[5]; }
    ChartSeries& rainGauge() { return charts[RainGauge].series[0]; }
    ChartSeries& pressureSeaLevel() { return charts[Pressure].series[0]; }
    ChartSeries& pressureStation() { return charts[Pressure].series[1]; }
};

}  // namespace zaq
