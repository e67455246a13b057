#pragma once

#include <array>

#include "ui/FormView.h"

namespace zaq {

class ChartView;
struct AppContext;

// The graphs window (TFGraficas): the six charts of the last 24 hours stacked, and the button
// row below them.
class GraphsWindow final : public FormView {
  public:
    explicit GraphsWindow(AppContext& app, QWidget* parent = nullptr);

    ChartView& chartView(int position) { return *charts_[static_cast<std::size_t>(position)]; }

  private:
    QWidget* buildButtons();

    AppContext& app_;
    std::array<ChartView*, 6> charts_{};
};

}  // namespace zaq
