#pragma once

#include "ui/FormView.h"

namespace zaq {

struct AppContext;

// The main window (TForm1): the reading panels, the output controls and the indicators. It has
// no close button; a close request is ignored.
class MainWindow final : public FormView {
  public:
    explicit MainWindow(AppContext& app, QWidget* parent = nullptr);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* buildReadings();
    QWidget* buildOutputs();
    QWidget* buildIndicators();
    QWidget* buildButtons();

    AppContext& app_;
};

}  // namespace zaq
