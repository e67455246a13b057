#pragma once

#include <QSize>
#include <array>
#include <memory>

#include "graphs/ChartPictures.h"

namespace zaq {

class ChartView;

// The pictures of the charts, drawn by charts of their own that are never put on the screen:
// so they exist whether or not the graphs window was shown, and without a display.
class ChartPicturesView final : public ChartPictures {
  public:
    explicit ChartPicturesView(QSize size = QSize(1000, 250));
    ~ChartPicturesView() override;

    QImage chartImage(const ChartModel& model, ChartModel::Position chart) override;

  private:
    QSize size_;
    std::array<std::unique_ptr<ChartView>, 6> views_;
};

}  // namespace zaq
