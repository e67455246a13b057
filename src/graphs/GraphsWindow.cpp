#include "graphs/GraphsWindow.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/AppContext.h"
#include "graphs/ChartView.h"

namespace zaq {

GraphsWindow::GraphsWindow(AppContext& app, QWidget* parent)
    : FormView(app.graphsForm.window, parent), app_(app) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(1);
    for (int position = 0; position < static_cast<int>(charts_.size()); ++position) {
        auto* view =
            new ChartView(app.chartModel, static_cast<ChartModel::Position>(position), this);
        charts_[static_cast<std::size_t>(position)] = view;
        layout->addWidget(view, 1);
    }
    layout->addWidget(buildButtons());
    addRenderer([this] {
        for (ChartView* view : charts_) {
            view->refresh();
        }
    });
    resize(1366, 740);
}

QWidget* GraphsWindow::buildButtons() {
    GraphsForm& f = app_.graphsForm;
    GraphsActions& actions = app_.graphsActions;
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(4, 0, 4, 0);
    const auto addButton = [&](Button& button, std::function<void()> click) {
        auto* widget = new QPushButton(panel);
        bindButton(widget, button, std::move(click));
        row->addWidget(widget);
        return widget;
    };
    focusTarget(QStringLiteral("PBotones"),
                addButton(f.Button1, [&actions] { actions.Button1Click(); }));
    addButton(f.Button3, [&actions] { actions.Button3Click(); });

    auto* range = new QGroupBox(f.RGCielo.text, panel);
    range->setToolTip(f.RGCielo.hint);
    auto* ranges = new QHBoxLayout(range);
    ranges->setContentsMargins(6, 0, 6, 0);
    std::vector<QRadioButton*> items;
    for (const QString& item : f.RGCielo.items) {
        auto* radio = new QRadioButton(item, range);
        items.push_back(radio);
        ranges->addWidget(radio);
    }
    bindRadioGroup(items, f.RGCielo, [&actions](int item) { actions.RGCieloClick(item); });
    row->addWidget(range);

    addButton(f.Bv1min, [&actions] { actions.Bv1minClick(); });
    addButton(f.BRSolarPrevista, [&actions] { actions.BRSolarPrevistaClick(); });
    row->addStretch(1);
    return panel;
}

}  // namespace zaq
