#pragma once

namespace zaq {

class Clock;
struct GraphsForm;
struct MainForm;
struct MessagesForm;
struct SettingsForm;
struct SummaryForm;

// The main window's buttons "Ajustes", "Mensajes", "Graficas 24h" and "R".
class MainActions {
  public:
    struct Deps {
        MainForm& main;
        MessagesForm& messages;
        GraphsForm& graphs;
        SettingsForm& settings;
        SummaryForm& summary;
        const Clock& clock;
    };

    explicit MainActions(const Deps& deps) : p_(deps) {}

    void BAjustesClick();
    // Presets the datalogger request to the month up to yesterday.
    void BMensajesClick();
    void BGraficasClick();
    // The summary takes the main window's place.
    void BCartelClick();

  private:
    Deps p_;
};

}  // namespace zaq
