#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "base/SettingsForm.h"

namespace zaq {

class Clock;
class CommandQueue;
class ConfigFile;
class ConfigImage;
class Pinger;
class Prompter;
struct Configuration;
struct MainForm;
struct StationFlags;

// The station side of the settings window: the closing limits and calibration constants the
// user marks yellow are sent to the station and kept in zaq.cfg, and read back on request; the
// clock synchronisation, the internet ping test and the master check box's warning.
class StationSettings {
  public:
    struct Deps {
        SettingsForm& form;
        MainForm& main;
        ConfigImage& image;
        Configuration& config;
        ConfigFile& file;
        CommandQueue& queue;
        StationFlags& flags;
        Prompter& prompter;
        Pinger& pinger;
        const Clock& clock;
    };

    // One row of "Niveles de Cierre" or "Calibración", in the order they are sent: its field
    // (an edit or a check box), the row label and the field's hint.
    struct Row {
        Edit SettingsForm::*edit;
        CheckBox SettingsForm::*box;
        QString label;
        QString hint;
    };
    static std::vector<Row> limitRows();
    static std::vector<Row> calibrationRows();

    // Gives the fields their hints.
    explicit StationSettings(Deps deps);

    // A click on a field, or on the row label of a check box: window ↔ yellow, grey → window.
    static void toggleMark(Control& field);

    // "Guarda Niveles" and "Leer" of the closing limits.
    void BGrabarClick();
    void BLeerClick();
    // "Guardar Calibración" and "Leer" of the calibration constants.
    void BAjuste_Meteo_FlashClick();
    void BLeerOffsetsClick();
    // "Sinc. Reloj", "Test ping", and any key on the master check box.
    void BrtcClick();
    void BTestPingClick();
    void CBmasterKeyPress();

  private:
    bool limitsInRange();
    void storeLimits();
    int enqueueMarkedLimits();
    bool calibrationInRange();
    // The number of commands queued, or nothing when a decimal was not a number.
    std::optional<int> enqueueMarkedCalibration();
    void storeCalibration();
    bool refuse(const QString& row, const QString& range);

    Deps p_;
};

}  // namespace zaq
