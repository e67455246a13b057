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
    struct Parts {
        MainForm& main;
        MessagesForm& messages;
        GraphsForm& graphs;
        SettingsForm& settings;
        SummaryForm& summary;
        const Clock& clock;
    };

    explicit MainActions(const Parts& parts) : p_(parts) {}

    void BAjustesClick();
    // Presets the datalogger request to the month up to yesterday.
    void BMensajesClick();
    void BGraficasClick();
    // The summary takes the main window's place.
    void BCartelClick();

  private:
    Parts p_;
};

}  // namespace zaq
