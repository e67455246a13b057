#pragma once

#include "ui/FormView.h"

class QGridLayout;
class QLabel;

namespace zaq {

struct AppContext;

// The main window (TForm1): the "Lecturas" column with its "Max" and "Min" columns, "Control
// Salidas", the indicators and the buttons. Large panels, readable from across the room. It has
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
    QLabel* panel(const Control& control, QWidget* parent, int pointSize = 18);
    QLabel* label(const Control& control, QWidget* parent, int pointSize = 12, bool bold = false);
    // Row label, value panel, "Max" and "Min"; returns the value panel.
    QLabel* addRow(QGridLayout* grid, int row, Label& caption, Panel& value, Control* max,
                   Control* min);

    AppContext& app_;
};

}  // namespace zaq
