#include "ui/PlaceholderWindow.h"

#include <QLabel>
#include <QVBoxLayout>

namespace zaq {

PlaceholderWindow::PlaceholderWindow(WindowState& window, QWidget* parent)
    : FormView(window, parent) {
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(window.caption, this);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    resize(480, 320);
}

}  // namespace zaq
