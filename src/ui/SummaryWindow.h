#pragma once

#include "ui/FormView.h"

namespace zaq {

class SummaryActions;
struct SummaryForm;

// "Resumen ZAQ": the large coloured letters at their design places. Closing it hides it and brings
// the main window back.
class SummaryWindow final : public FormView {
  public:
    SummaryWindow(SummaryForm& form, SummaryActions& actions, QWidget* parent = nullptr);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void place(const Label& label, int pixelSize, int left, int top);

    SummaryActions& actions_;
};

}  // namespace zaq
