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

MainWindow::MainWindow(AppContext& app, QWidget* parent)
    : FormView(app.mainForm.window, parent), app_(app) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    auto* columns = new QHBoxLayout(this);
    columns->addWidget(buildReadings(), 3);
    auto* right = new QVBoxLayout;
    right->addWidget(buildOutputs());
    right->addWidget(buildIndicators());
    right->addStretch();
    right->addWidget(buildButtons());
    columns->addLayout(right, 2);
    resize(1300, 720);
    refresh();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
}

QLabel* MainWindow::panel(const Control& control, QWidget* parent, int pointSize) {
    QLabel* widget = label(control, parent, pointSize, true);
    widget->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    widget->setAlignment(Qt::AlignCenter);
    widget->setMinimumWidth(120);
    return widget;
}

QLabel* MainWindow::label(const Control& control, QWidget* parent, int pointSize, bool bold) {
    auto* widget = new QLabel(parent);
    QFont font = widget->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    widget->setFont(font);
    bindLabel(widget, control);
    return widget;
}

QLabel* MainWindow::addRow(QGridLayout* grid, int row, Label& caption, Panel& value, Control* max,
                           Control* min) {
    QWidget* parent = grid->parentWidget();
    grid->addWidget(label(caption, parent, 12, true), row, 0);
    QLabel* shown = panel(value, parent);
    grid->addWidget(shown, row, 1);
    for (const auto& [extreme, column] : {std::pair{max, 2}, std::pair{min, 3}}) {
        if (extreme != nullptr) {
            QLabel* shownExtreme = label(*extreme, parent, 14, true);
            shownExtreme->setMinimumWidth(100);
            shownExtreme->setAlignment(Qt::AlignCenter);
            grid->addWidget(shownExtreme, row, column);
        }
    }
    return shown;
}

QWidget* MainWindow::buildReadings() {
    MainForm& f = app_.mainForm;
    LivePanel& live = app_.livePanel;
    auto* group = new QGroupBox(QStringLiteral("Lecturas"), this);
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(3);
    grid->addWidget(new QLabel(QStringLiteral("<b>Max</b>"), group), 0, 2, Qt::AlignCenter);
    grid->addWidget(new QLabel(QStringLiteral("<b>Min</b>"), group), 0, 3, Qt::AlignCenter);
    int r = 1;
    addRow(grid, r++, f.LTemperatura, f.PTempAmbiente, &f.LTemperaturaMax, &f.LTemperaturaMin);
    addRow(grid, r++, f.LHumedad, f.PHumedad, &f.LHumedadMax, &f.LHumedadMin);
    addRow(grid, r++, f.LRocio, f.PPuntoRocio, &f.LRocioMax, &f.LRocioMin);
    addRow(grid, r++, f.LPluviometro, f.PPluviometro, &f.LPluviometroMax, &f.LPluviometroMin);
    addRow(grid, r++, f.LPluvioMes, f.PPluvioAcumuladoMes, &f.LPluvioAno, &f.PPluvioAcumulado);
    QLabel* wind =
        addRow(grid, r++, f.Lanekmh, f.PVelViento, &f.LAnemometroMecMax, &f.LAnemometroMecMin);
    QLabel* meanWind = addRow(grid, r++, f.Label3, f.PVelVientoMedia, &f.LAnemometroMecMedMax,
                              &f.LAnemometroMecMedMin);
    addRow(grid, r++, f.LVeleta, f.PDirViento, nullptr, nullptr);
    grid->addWidget(panel(f.PDirNSEO, group), r - 1, 2, 1, 2);
    QLabel* thermalWind =
        addRow(grid, r++, f.Laneterm, f.PvelOmni, &f.LAnemometroTermMax, &f.LAnemometroTermMin);
    addRow(grid, r++, f.LBarometro, f.PBarometro, &f.LBarometroMax, &f.LBarometroMin);
    addRow(grid, r++, f.LBarometroAbs, f.PBarometroAbs, &f.LBarometroAbsMax, &f.LBarometroAbsMin);
    QLabel* clouds = addRow(grid, r++, f.Lnubes, f.PNublados, &f.LNubesMax, &f.LNubesMin);
    QLabel* skyTemperature = label(f.PNubladosIR, group, 11);
    grid->addWidget(skyTemperature, r - 1, 4);
    QLabel* rain = addRow(grid, r++, f.Llluvia, f.PLluvia, &f.LLluviaMax, &f.LLluviaMin);
    QLabel* sky = addRow(grid, r++, f.Lmagnitud, f.PMagnitud, &f.LMagnitudVMax, &f.LMagnitudVMin);
    addRow(grid, r++, f.LRadSol, f.PRadSol, &f.LLuzDiaMax, &f.LLuzDiaMin);
    QLabel* supply = addRow(grid, r++, f.Lvfuente, f.PVFuente, &f.LVFuenteMax, &f.LVFuenteMin);

    // A click on a reading panel acknowledges the closing alarm.
    onClick(rain, [&live] { live.PLluviaClick(); });
    onClick(clouds, [&live] { live.PNubladosClick(); });
    onClick(skyTemperature, [&live] { live.PNubladosClick(); });
    onClick(sky, [&live] { live.PMagnitudClick(); });
    onClick(wind, [&live] { live.PVelVientoClick(); });
    onClick(meanWind, [&live] { live.PVelVientoMediaClick(); });
    onClick(thermalWind, [&live] { live.PvelOmniClick(); });
    onClick(supply, [&live] { live.PVFuenteClick(); });
    return group;
}

QWidget* MainWindow::buildOutputs() {
    MainForm& f = app_.mainForm;
    RoofControl& roof = app_.roof;
    auto* group = new QGroupBox(QStringLiteral("Control Salidas"), this);
    auto* grid = new QGridLayout(group);
    QLabel* roofPanel = panel(f.PTecho, group, 20);
    roofPanel->setMinimumHeight(56);
    grid->addWidget(roofPanel, 0, 0);
    onContextMenu(roofPanel,
                  {{QStringLiteral("Abrir Forzando Limites"), [&roof] { roof.Ab1Click(); }}});
    auto* roofButton = new QPushButton(group);
    QFont big = roofButton->font();
    big.setPointSize(16);
    big.setBold(true);
    roofButton->setFont(big);
    roofButton->setMinimumHeight(56);
    bindButton(roofButton, f.BBAbrirObs, [&roof] { roof.BBAbrirObsClick(); });
    grid->addWidget(roofButton, 0, 1);
    QLabel* heater = panel(f.PCalentar, group, 14);
    grid->addWidget(heater, 1, 0, 1, 2);
    onContextMenu(heater, {{QStringLiteral("ROCIO Auto"), [&roof] { roof.CalentadorAUTOClick(); }},
                           {QStringLiteral("Rele ON"), [&roof] { roof.CalentadorONClick(); }},
                           {QStringLiteral("Rele OFF"), [&roof] { roof.CalentadorOFFClick(); }},
                           {QStringLiteral("Timer Status"), [&roof] { roof.TimerStatusClick(); }},
                           {QStringLiteral("Timer ON"), [&roof] { roof.TimerONClick(); }},
                           {QStringLiteral("Timer OFF"), [&roof] { roof.TimerOFFClick(); }}});
    auto* relay = new QHBoxLayout;
    for (const Label* l : {&f.Lhon, &f.Lhoraoff, &f.LFuncionRele, &f.Lindice}) {
        relay->addWidget(label(*l, group, 12, true));
    }
    grid->addLayout(relay, 2, 0, 1, 2);
    return group;
}

QWidget* MainWindow::buildIndicators() {
    MainForm& f = app_.mainForm;
    auto* group = new QGroupBox(this);
    auto* grid = new QGridLayout(group);
    auto* leds = new QHBoxLayout;
    for (const Label* l : {&f.LRx, &f.LledCOM, &f.LledWD, &f.LPing}) {
        leds->addWidget(label(*l, group, 14, true));
    }
    grid->addLayout(leds, 0, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Altura Sol:"), group), 1, 0);
    grid->addWidget(label(f.LAlturaSol, group, 14, true), 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Rad. Sol acumulada Wh/m2:"), group), 2, 0);
    grid->addWidget(panel(f.PRadSolacumulada, group, 14), 2, 1);
    grid->addWidget(label(f.LRadSolacuPorcent, group, 14, true), 3, 1);
    focusTarget(QStringLiteral("PIndicadores"), group);
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
        widget->setMinimumHeight(36);
        bindButton(widget, *button, click);
        row->addWidget(widget);
        if (button == &f.BMensajes) {
            focusTarget(QStringLiteral("BMensajes"), widget);
        }
    }
    return box;
}

}  // namespace zaq
