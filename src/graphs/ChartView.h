#pragma once

#include <QChartView>
#include <vector>

#include "graphs/ChartModel.h"

class QAbstractSeries;
class QCategoryAxis;
class QValueAxis;
class QXYSeries;

namespace zaq {

// One chart of the model drawn by Qt Charts: its series, axes, legend and background. It
// follows the model at every refresh and replaces a series' points in bulk, only after a redraw.
class ChartView final : public QChartView {
  public:
    ChartView(const ChartModel& model, ChartModel::Position position, QWidget* parent = nullptr);

    void refresh();
    // The chart as it stands, drawn at the view's size; the view need not be shown.
    QImage picture();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    const Chart& modelChart() const { return model_.charts[position_]; }
    void buildAxes();
    void buildSeries();
    void replacePoints();
    void followSeries();
    void followAxes();
    void followTimeLabels();
    QString legendText(const ChartSeries& series) const;

    const ChartModel& model_;
    const ChartModel::Position position_;
    QChart* chart_;
    QCategoryAxis* bottom_ = nullptr;
    QValueAxis* left_ = nullptr;
    QValueAxis* right_ = nullptr;
    std::vector<QXYSeries*> series_;
    int revisionShown_ = -1;
    int labelIntervalShown_ = 0;
};

}  // namespace zaq
