#pragma once

#include <QImage>

#include "graphs/ChartModel.h"

namespace zaq {

// A chart of the model drawn as a picture: the charting component's work, behind this seam so
// the logic never draws. Also available when the graphs window was never shown.
class ChartPictures {
  public:
    virtual ~ChartPictures() = default;
    // A null image when the chart cannot be drawn.
    virtual QImage chartImage(const ChartModel& model, ChartModel::Position chart) = 0;
};

}  // namespace zaq
