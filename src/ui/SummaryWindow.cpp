#include "ui/SummaryWindow.h"

#include <QCloseEvent>
#include <QLabel>

#include "base/SummaryForm.h"
#include "core/SummaryActions.h"

namespace zaq {

SummaryWindow::SummaryWindow(SummaryForm& form, SummaryActions& actions, QWidget* parent)
    : FormView(form.window, parent), actions_(actions) {
    place(form.LTemperaturaG, 19, 32, 29);
    place(form.LTG, 27, 209, 21);
    place(form.LHumedadG, 19, 36, 76);
    place(form.LHG, 27, 213, 68);
    place(form.LAnemometroG, 19, 56, 115);
    place(form.LAG, 27, 215, 108);
    place(form.LLluviaG, 19, 36, 156);
    place(form.LLG, 27, 211, 151);
    place(form.Label1, 19, 59, 200);
    place(form.LBrilloG, 24, 204, 196);
    place(form.LCieloG, 24, 96, 243);
    resize(303, 347);
}

// Bold sans-serif at the design's letter height; a label grows with its text from its left edge.
void SummaryWindow::place(const Label& label, int pixelSize, int left, int top) {
    auto* widget = new QLabel(this);
    QFont font = widget->font();
    font.setPixelSize(pixelSize);
    font.setBold(true);
    widget->setFont(font);
    widget->move(left, top);
    bindLabel(widget, label);
    addRenderer([widget] { widget->adjustSize(); });
}

void SummaryWindow::closeEvent(QCloseEvent* event) {
    FormView::closeEvent(event);
    actions_.FormClose();
}

}  // namespace zaq
