#pragma once

namespace zaq {

class CommandQueue;
class Prompter;
struct MainForm;
struct SafetyState;
struct SettingsForm;

// The roof button, the roof panel's "Abrir Forzando Limites", the heater panel's menu, the
// automatic opening and closing, and the one-second roof timer. Everything is queued; only the
// master PC's queue reaches the station.
class RoofControl {
  public:
    struct Deps {
        MainForm& main;
        const SettingsForm& settings;
        SafetyState& safety;
        CommandQueue& queue;
        Prompter& prompter;
    };

    explicit RoofControl(const Deps& deps) : p_(deps) {}

    void BBAbrirObsClick();
    void Ab1Click();
    void CalentadorAUTOClick();
    void CalentadorONClick();
    void CalentadorOFFClick();
    void TimerStatusClick();
    void TimerONClick();
    void TimerOFFClick();

    void autoRoofControl();
    void TimerTechoTimer();

  private:
    bool openingPermittedByButton() const;

    Deps p_;
};

}  // namespace zaq
