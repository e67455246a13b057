#pragma once

#include "ui/FormView.h"

namespace zaq {

// A window whose view is still to come: its caption and a line saying so.
class PlaceholderWindow final : public FormView {
  public:
    explicit PlaceholderWindow(WindowState& window, QWidget* parent = nullptr);
};

}  // namespace zaq
