#include "graphs/ChartView.h"

#include <QCategoryAxis>
#include <QGraphicsLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "ui/ColourView.h"
#include "ui/NumberFormat.h"

namespace zaq {
namespace {

constexpr int kMinutes = 1440;
// Labels of the value axes stand at least this far apart, and the time labels this far.
constexpr double kValueLabelPixels = 22;
constexpr double kTimeLabelPixels = 48;

// Chart colours are all plain RGB triples.
QColor rgb(Colour colour) {
    return toQColor(colour, QPalette());
}

QFont smallFont(int points) {
    QFont font;
    font.setPointSize(points);
    return font;
}

// A label interval no closer than the pixels allow and a whole multiple of the axis' step.
double labelInterval(double span, double pixels, double step) {
    const double wanted = span / std::max(1.0, pixels / kValueLabelPixels);
    const double decade = std::pow(10.0, std::floor(std::log10(std::max(wanted, 1e-9))));
    double nice = decade;
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        nice = factor * decade;
        if (nice >= wanted) {
            break;
        }
    }
    return step > 0 ? step * std::ceil(nice / step - 1e-9) : nice;
}

int decimalsFor(double interval) {
    return std::clamp(static_cast<int>(std::ceil(-std::log10(interval) - 1e-9)), 0, 3);
}

using Range = std::pair<double, double>;

// The lowest and highest value of the shown series; a flat line gets a band around it.
Range dataRange(const Chart& chart) {
    double low = INFINITY;
    double high = -INFINITY;
    for (const ChartSeries& series : chart.series) {
        if (!series.active) {
            continue;
        }
        for (const QPointF& point : series.points) {
            if (std::isfinite(point.y())) {
                low = std::min(low, point.y());
                high = std::max(high, point.y());
            }
        }
    }
    if (!(low <= high)) {
        return {0, 1};
    }
    return high - low < 1e-6 ? std::pair{low - 1, high + 1} : std::pair{low, high};
}

// A wider label interval goes in before the range and a narrower one after it, so the axis never
// holds a range with far more labels than it can show: Qt creates every one of them.
void setScale(QValueAxis* axis, Range range, double interval) {
    const auto setRange = [&] {
        if (axis->min() != range.first || axis->max() != range.second) {
            axis->setRange(range.first, range.second);
        }
    };
    const auto setInterval = [&] {
        if (axis->tickInterval() != interval) {
            axis->setTickInterval(interval);
            axis->setLabelFormat(QStringLiteral("%.") + QString::number(decimalsFor(interval)) +
                                 u'f');
        }
    };
    if (interval >= axis->tickInterval()) {
        setInterval();
        setRange();
    } else {
        setRange();
        setInterval();
    }
}

QValueAxis* valueAxis(const ChartAxis& model) {
    auto* axis = new QValueAxis;
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setLabelsColor(rgb(model.labelColour));
    axis->setLabelsFont(smallFont(7));
    axis->setTitleText(model.title);
    axis->setTitleFont(smallFont(7));
    axis->setGridLineColor(QColor(190, 190, 190));
    return axis;
}

}  // namespace

ChartView::ChartView(const ChartModel& model, ChartModel::Position position, QWidget* parent)
    : QChartView(parent), model_(model), position_(position), chart_(new QChart) {
    setChart(chart_);
    setRenderHint(QPainter::Antialiasing, false);
    setToolTip(modelChart().hint);
    chart_->setLocalizeNumbers(true);
    chart_->setLocale(QLocale(QLocale::Spanish, QLocale::Spain));
    chart_->setBackgroundRoundness(0);
    chart_->setMargins(QMargins(2, 0, 2, 0));
    chart_->layout()->setContentsMargins(0, 0, 0, 0);
    if (modelChart().gradient) {
        QLinearGradient gradient(0, 0, 0, 1);
        gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
        gradient.setColorAt(0, QColor(244, 244, 244));
        gradient.setColorAt(1, QColor(223, 223, 223));
        chart_->setBackgroundBrush(gradient);
    } else {
        chart_->setBackgroundBrush(rgb(modelChart().background));
    }
    chart_->legend()->setAlignment(Qt::AlignTop);
    chart_->legend()->setFont(smallFont(7));
    buildAxes();
    buildSeries();
    refresh();
}

void ChartView::buildAxes() {
    bottom_ = new QCategoryAxis;
    bottom_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    bottom_->setLabelsFont(smallFont(7));
    bottom_->setRange(0, kMinutes - 1);
    bottom_->setReverse(modelChart().bottom.inverted);
    bottom_->setGridLineVisible(false);
    left_ = valueAxis(modelChart().left);
    right_ = valueAxis(modelChart().right);
    chart_->addAxis(bottom_, Qt::AlignBottom);
    chart_->addAxis(left_, Qt::AlignLeft);
    chart_->addAxis(right_, Qt::AlignRight);
    right_->setGridLineVisible(false);
}

// Series on "both" axes are drawn against the left one; the right axis then shows the same
// scale.
void ChartView::buildSeries() {
    for (const ChartSeries& model : modelChart().series) {
        QXYSeries* series = nullptr;
        if (model.roundPoints) {
            auto* points = new QScatterSeries;
            points->setMarkerShape(QScatterSeries::MarkerShapeCircle);
            points->setMarkerSize(3);
            points->setPen(Qt::NoPen);
            series = points;
        } else {
            series = new QLineSeries;
        }
        chart_->addSeries(series);
        series->attachAxis(bottom_);
        series->attachAxis(model.axis == SeriesAxis::Right ? right_ : left_);
        series_.push_back(series);
    }
}

void ChartView::refresh() {
    if (revisionShown_ != model_.revision) {
        revisionShown_ = model_.revision;
        replacePoints();
        labelIntervalShown_ = 0;
    }
    followSeries();
    followAxes();
    followTimeLabels();
}

void ChartView::replacePoints() {
    for (std::size_t i = 0; i < series_.size(); ++i) {
        const std::vector<QPointF>& points = modelChart().series[i].points;
        series_[i]->replace(QList<QPointF>(points.begin(), points.end()));
    }
}

void ChartView::followSeries() {
    for (std::size_t i = 0; i < series_.size(); ++i) {
        const ChartSeries& model = modelChart().series[i];
        QXYSeries* series = series_[i];
        const QString name = legendText(model);
        if (series->name() != name) {
            series->setName(name);
        }
        const QColor colour = rgb(model.colour);
        if (series->color() != colour) {
            series->setColor(colour);
        }
        if (!model.roundPoints && series->pen().width() != model.width) {
            QPen pen = series->pen();
            pen.setWidth(model.width);
            series->setPen(pen);
        }
        if (series->isVisible() != model.active) {
            series->setVisible(model.active);
        }
        for (QLegendMarker* marker : chart_->legend()->markers(series)) {
            marker->setVisible(model.active);
        }
    }
}

// The sky-brightness legend shows each series' newest value after its title.
QString ChartView::legendText(const ChartSeries& series) const {
    if (!modelChart().legendShowsLastValue || series.points.empty()) {
        return series.title;
    }
    return series.title + QStringLiteral("  ") + formatNumber(series.points.front().y(), 4, 2);
}

void ChartView::followAxes() {
    const double height = std::max(40.0, chart_->plotArea().height());
    const Chart& c = modelChart();
    const Range left = c.left.automatic ? dataRange(c) : Range{c.left.minimum, c.left.maximum};
    // A right axis without series of its own shows the left one's scale.
    const bool rightHasSeries =
        std::any_of(c.series.begin(), c.series.end(),
                    [](const ChartSeries& s) { return s.axis == SeriesAxis::Right; });
    const bool rightFollowsLeft = c.right.automatic || !rightHasSeries;
    const Range right = rightFollowsLeft ? left : Range{c.right.minimum, c.right.maximum};
    const double rightStep = rightFollowsLeft ? c.left.step : c.right.step;
    setScale(left_, left, labelInterval(left.second - left.first, height, c.left.step));
    setScale(right_, right, labelInterval(right.second - right.first, height, rightStep));
}

// "hh/mm" at whole hours (or every few hours on a narrow chart), where the store's minutes are.
void ChartView::followTimeLabels() {
    const double width = std::max(100.0, chart_->plotArea().width());
    int interval = 30;
    while (interval < 720 && interval * width / kMinutes < kTimeLabelPixels) {
        interval *= 2;
    }
    if (interval == labelIntervalShown_) {
        return;
    }
    labelIntervalShown_ = interval;
    for (const QString& label : bottom_->categoriesLabels()) {
        bottom_->remove(label);
    }
    for (std::size_t i = 0; i < model_.pointTimes.size(); ++i) {
        const long minute = std::lround(model_.pointTimes[i] * kMinutes) % kMinutes;
        if (minute % interval == 0) {
            bottom_->append(QStringLiteral("%1/%2")
                                .arg(minute / 60, 2, 10, QLatin1Char('0'))
                                .arg(minute % 60, 2, 10, QLatin1Char('0')),
                            static_cast<double>(i));
        }
    }
}

void ChartView::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    labelIntervalShown_ = 0;
}

QImage ChartView::picture() {
    refresh();
    // The label spacing depends on the plot area, known once the layout has run.
    chart_->layout()->activate();
    refresh();
    return grab().toImage();
}

}  // namespace zaq
