#include "core/MainWindow.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/AppContext.h"

namespace zaq {
namespace {

QLabel* valuePanel(QWidget* parent) {
    auto* panel = new QLabel(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAlignment(Qt::AlignCenter);
    panel->setMinimumWidth(110);
    QFont font = panel->font();
    font.setPointSize(16);
    font.setBold(true);
    panel->setFont(font);
    return panel;
}

}  // namespace

MainWindow::MainWindow(AppContext& app, QWidget* parent)
    : FormView(app.mainForm.window, parent), app_(app) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildIndicators());
    layout->addWidget(buildReadings());
    layout->addWidget(buildOutputs());
    layout->addWidget(buildButtons());
    refresh();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
}

QWidget* MainWindow::buildIndicators() {
    MainForm& f = app_.mainForm;
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    for (Label* label : {&f.LRx, &f.LledCOM, &f.LledWD, &f.LPing}) {
        auto* widget = new QLabel(box);
        QFont font = widget->font();
        font.setBold(true);
        widget->setFont(font);
        bindLabel(widget, *label);
        row->addWidget(widget);
    }
    row->addStretch();
    focusTarget(QStringLiteral("PIndicadores"), box);
    return box;
}

QWidget* MainWindow::buildReadings() {
    MainForm& f = app_.mainForm;
    auto* group = new QGroupBox(QStringLiteral("Lecturas"), this);
    auto* grid = new QGridLayout(group);
    const std::pair<const char*, Panel*> rows[] = {
        {"Lluvia %:", &f.PLluvia},
        {"Nubes %:", &f.PNublados},
        {"Brillo Cielo Mag. V:", &f.PMagnitud},
        {"Anemometro Km/h:", &f.PVelViento},
        {"Anemometro Media:", &f.PVelVientoMedia},
        {"Anem.Term Km/h:", &f.PvelOmni},
        {"Tension Fuente v:", &f.PVFuente},
    };
    int r = 0;
    for (const auto& [caption, panel] : rows) {
        grid->addWidget(new QLabel(QString::fromUtf8(caption), group), r, 0);
        auto* value = valuePanel(group);
        bindLabel(value, *panel);
        grid->addWidget(value, r, 1);
        ++r;
    }
    auto* sky = new QLabel(group);
    bindLabel(sky, f.PNubladosIR);
    grid->addWidget(sky, 1, 2);
    return group;
}

QWidget* MainWindow::buildOutputs() {
    MainForm& f = app_.mainForm;
    auto* group = new QGroupBox(QStringLiteral("Control Salidas"), this);
    auto* row = new QHBoxLayout(group);
    auto* roof = valuePanel(group);
    bindLabel(roof, f.PTecho);
    row->addWidget(roof);
    for (Label* label : {&f.Lhon, &f.Lhoraoff, &f.LFuncionRele}) {
        auto* widget = new QLabel(group);
        bindLabel(widget, *label);
        row->addWidget(widget);
    }
    return group;
}

QWidget* MainWindow::buildButtons() {
    MainForm& f = app_.mainForm;
    MainActions& actions = app_.actions;
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    const std::pair<Button*, std::function<void()>> buttons[] = {
        {&f.BAjustes, [&actions] { actions.BAjustesClick(); }},
        {&f.BMensajes, [&actions] { actions.BMensajesClick(); }},
        {&f.BGraficas, [&actions] { actions.BGraficasClick(); }},
        {&f.BCartel, [&actions] { actions.BCartelClick(); }},
    };
    for (const auto& [button, click] : buttons) {
        auto* widget = new QPushButton(box);
        bindButton(widget, *button, click);
        row->addWidget(widget);
    }
    focusTarget(QStringLiteral("BMensajes"), row->itemAt(1)->widget());
    return box;
}

}  // namespace zaq
