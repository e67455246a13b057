#include "settings/SettingsWindow.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/AppContext.h"

namespace zaq {

SettingsWindow::SettingsWindow(AppContext& app, QWidget* parent)
    : FormView(app.settingsForm.window, parent), app_(app) {
    auto* layout = new QVBoxLayout(this);
    auto* columns = new QGridLayout;
    columns->addWidget(buildCommunication(), 0, 0);
    columns->addWidget(buildDirectories(), 1, 0);
    columns->addWidget(buildOptions(), 2, 0);
    columns->addWidget(buildSite(), 0, 1);
    columns->addWidget(buildCameras(), 1, 1, 2, 1);
    columns->addWidget(buildStation(), 0, 2, 3, 1);
    layout->addLayout(columns);
    auto* buttons = new QHBoxLayout;
    auto* reloadExtremes = new QPushButton(this);
    bindButton(reloadExtremes, app_.settingsForm.BIniExtremas,
               [this] { app_.extremesFile.BIniExtremasClick(); });
    buttons->addWidget(reloadExtremes);
    auto* insertText = new QPushButton(this);
    bindButton(insertText, app_.settingsForm.T, [this] { app_.overlay.TClick(); });
    buttons->addWidget(insertText);
    buttons->addStretch();
    auto* save = new QPushButton(this);
    bindButton(save, app_.settingsForm.BOkDirectorio,
               [this] { app_.pcSettings.BOkDirectorioClick(); });
    buttons->addWidget(save);
    layout->addLayout(buttons);
    refresh();
}

QGroupBox* SettingsWindow::group(const QString& title, QFormLayout*& form) {
    auto* box = new QGroupBox(title, this);
    form = new QFormLayout(box);
    return box;
}

void SettingsWindow::addEdit(QFormLayout* form, const QString& caption, Edit& edit) {
    auto* widget = new QLineEdit(form->parentWidget());
    widget->setMinimumWidth(180);
    bindEdit(widget, edit);
    form->addRow(caption, widget);
}

QCheckBox* SettingsWindow::addCheck(QFormLayout* form, CheckBox& box) {
    auto* widget = new QCheckBox(form->parentWidget());
    bindCheck(widget, box);
    form->addRow(widget);
    return widget;
}

QWidget* SettingsWindow::checkRow(QWidget* parent, std::initializer_list<CheckBox*> boxes) {
    auto* row = new QWidget(parent);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    for (CheckBox* box : boxes) {
        auto* widget = new QCheckBox(row);
        bindCheck(widget, *box);
        line->addWidget(widget);
    }
    line->addStretch();
    return row;
}

QWidget* SettingsWindow::buttonRow(QWidget* parent,
                                   std::vector<std::pair<Button&, std::function<void()>>> buttons,
                                   std::vector<std::reference_wrapper<const Label>> labels) {
    auto* row = new QWidget(parent);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    for (auto& [button, click] : buttons) {
        auto* widget = new QPushButton(row);
        widget->setMaximumWidth(50);
        bindButton(widget, button, std::move(click));
        line->addWidget(widget);
    }
    for (const Label& label : labels) {
        auto* widget = new QLabel(row);
        bindLabel(widget, label);
        line->addWidget(widget);
    }
    line->addStretch();
    return row;
}

QGroupBox* SettingsWindow::buildCommunication() {
    SettingsForm& f = app_.settingsForm;
    QFormLayout* form = nullptr;
    QGroupBox* box = group(QStringLiteral("Comunicación"), form);
    addEdit(form, QStringLiteral("Puerto Serie: "), f.EPuerto);
    addCheck(form, f.CBDatosUDP);
    addEdit(form, QStringLiteral("Estacion en IP:"), f.EDirCOR);
    addEdit(form, QStringLiteral("Port"), f.EPuertoEth);
    // The space bar toggles the box: a key on it gets a warning.
    onKeyPress(addCheck(form, f.CBmaster), [this] { app_.stationSettings.CBmasterKeyPress(); });
    addCheck(form, f.CBPingInternet);
    addEdit(form, QStringLiteral("Host ping:"), f.EPingInternet);
    auto* wd = new QLabel(box);
    bindLabel(wd, f.LdirIP_WD);
    form->addRow(wd);
    return box;
}

QGroupBox* SettingsWindow::buildDirectories() {
    SettingsForm& f = app_.settingsForm;
    QFormLayout* form = nullptr;
    QGroupBox* box = group(QStringLiteral("Directorios"), form);
    addEdit(form, QStringLiteral("1   Datos:"), f.EDirectorio);
    addEdit(form, QStringLiteral("2   Graficas y Log:"), f.Ejpg);
    addEdit(form, QStringLiteral("3   Capturas camara acumuladas:"), f.EFich5sg);
    return box;
}

QGroupBox* SettingsWindow::buildSite() {
    SettingsForm& f = app_.settingsForm;
    QFormLayout* form = nullptr;
    QGroupBox* box = group(QStringLiteral("Estación"), form);
    addEdit(form, QStringLiteral("Estación:"), f.Eident);
    const auto coordinate = [&](const QString& caption, Edit& degrees, Edit& minutes, Edit& side) {
        auto* row = new QWidget(box);
        auto* line = new QHBoxLayout(row);
        line->setContentsMargins(0, 0, 0, 0);
        for (Edit* edit : {&degrees, &minutes, &side}) {
            auto* widget = new QLineEdit(row);
            widget->setMaximumWidth(edit == &side ? 30 : 60);
            bindEdit(widget, *edit);
            line->addWidget(widget);
        }
        line->addStretch();
        form->addRow(caption, row);
    };
    coordinate(QStringLiteral("Latitud º ' N/S:"), f.ELatGrad, f.ELatMin, f.Ens);
    coordinate(QStringLiteral("Longitud º ' E/O:"), f.ELongHoras, f.ELongMin, f.Eeo);
    addEdit(form, QStringLiteral("Hora UTC+"), f.EHorasTU);
    return box;
}

QGroupBox* SettingsWindow::buildCameras() {
    SettingsForm& f = app_.settingsForm;
    QFormLayout* form = nullptr;
    QGroupBox* box = group(QStringLiteral("Cámaras"), form);
    form->addRow(new QLabel(QStringLiteral("IPvideo 9100"), box));
    addEdit(form, QStringLiteral("Dirección:"), f.EdirIPcamara);
    form->addRow(QStringLiteral("Canales:"),
                 checkRow(box, {&f.CBipvideo1, &f.CBipvideo2, &f.CBipvideo3, &f.CBipvideo4}));
    form->addRow(checkRow(box, {&f.CBCapturarIPcam, &f.CBalmacenar}));
    addEdit(form, QStringLiteral("minutos"), f.EtiempoTomasIPcam);
    IpVideoCapture& video = app_.ipVideo;
    form->addRow(buttonRow(box,
                           {{f.BcamaraIP, [&video] { video.BcamaraIPClick(); }},
                            {f.BSetChanel, [&video] { video.BSetChanelClick(); }},
                            {f.RdCh, [&video] { video.RdChClick(); }}},
                           {f.LNumCanal, f.LStatusIPcam}));
    form->addRow(new QLabel(QStringLiteral("Camara IP"), box));
    addEdit(form, QStringLiteral("Dirección:"), f.EdirCamaraPI);
    addEdit(form, QStringLiteral("User:"), f.EUserPI);
    addEdit(form, QStringLiteral("Pass:"), f.EPassPI);
    addEdit(form, QStringLiteral("Fich.Salida:"), f.EjpgPI);
    form->addRow(checkRow(box, {&f.CBCapturarPI, &f.CBalmacenarPI}));
    addEdit(form, QStringLiteral("minutos"), f.EtiempoTomasPI);
    SingleBoardCapture& cameras = app_.singleBoard;
    form->addRow(
        buttonRow(box, {{f.Bpi, [&cameras] { cameras.BpiClick(); }}}, {f.LStatusCamPI, f.LTamJpg}));
    return box;
}

QGroupBox* SettingsWindow::buildOptions() {
    SettingsForm& f = app_.settingsForm;
    QFormLayout* form = nullptr;
    QGroupBox* box = group(QStringLiteral("Opciones"), form);
    addCheck(form, f.CB1minuto);
    addCheck(form, f.CB5sg);
    addCheck(form, f.CBAlarmaAcustica);
    addCheck(form, f.CBAutoShutDawn);
    addCheck(form, f.CBDatalogger);
    addCheck(form, f.CBAperturaAuto);
    form->addRow(new QLabel(QStringLiteral("Graficas jpg cada"), box));
    addEdit(form, QStringLiteral("min."), f.ETiempoJpg);
    return box;
}

}  // namespace zaq

namespace zaq {

// "Niveles de Cierre" and "Calibración": a click on a field (or on a check box's row label)
// marks or unmarks it; the colours are the fields' states.
QGroupBox* SettingsWindow::buildStationGroup(Panel& group,
                                             const std::vector<StationSettings::Row>& rows,
                                             Button& save, std::function<void()> saveClick,
                                             Button& read, std::function<void()> readClick) {
    auto* box = new QGroupBox(group.text, this);
    box->setToolTip(group.hint);
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(2);
    int line = 0;
    for (const StationSettings::Row& row : rows) {
        auto* label = new QLabel(row.label, box);
        grid->addWidget(label, line, 0);
        if (row.box != nullptr) {
            CheckBox& check = app_.settingsForm.*row.box;
            auto* widget = new QCheckBox(box);
            bindCheck(widget, check);
            onClick(label, [&check] { StationSettings::toggleMark(check); });
            grid->addWidget(widget, line, 1);
        } else {
            Edit& edit = app_.settingsForm.*row.edit;
            auto* widget = new QLineEdit(box);
            widget->setMaximumWidth(90);
            bindEdit(widget, edit);
            onClick(
                widget, [&edit] { StationSettings::toggleMark(edit); }, false);
            grid->addWidget(widget, line, 1);
        }
        ++line;
    }
    auto* buttons = new QHBoxLayout;
    auto* saveButton = new QPushButton(box);
    bindButton(saveButton, save, std::move(saveClick));
    auto* readButton = new QPushButton(box);
    bindButton(readButton, read, std::move(readClick));
    buttons->addWidget(saveButton);
    buttons->addWidget(readButton);
    grid->addLayout(buttons, line, 0, 1, 2);
    return box;
}

QWidget* SettingsWindow::buildStation() {
    SettingsForm& f = app_.settingsForm;
    StationSettings& s = app_.stationSettings;
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildStationGroup(
        f.GBNiveles, StationSettings::limitRows(), f.BGrabar, [&s] { s.BGrabarClick(); }, f.BLeer,
        [&s] { s.BLeerClick(); }));
    layout->addWidget(buildStationGroup(
        f.GBCalibracion, StationSettings::calibrationRows(), f.BAjuste_Meteo_Flash,
        [&s] { s.BAjuste_Meteo_FlashClick(); }, f.BLeerOffsets, [&s] { s.BLeerOffsetsClick(); }));
    auto* tools = new QHBoxLayout;
    auto* clock = new QPushButton(column);
    bindButton(clock, f.Brtc, [&s] { s.BrtcClick(); });
    auto* ping = new QPushButton(column);
    bindButton(ping, f.BTestPing, [&s] { s.BTestPingClick(); });
    auto* pingState = new QLabel(column);
    bindLabel(pingState, app_.mainForm.LPing);
    tools->addWidget(clock);
    tools->addWidget(ping);
    tools->addWidget(pingState);
    layout->addLayout(tools);
    layout->addStretch();
    return column;
}

}  // namespace zaq
