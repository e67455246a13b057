#pragma once

namespace zaq {

class Clock;
class CommandQueue;
class MessagesList;
class Prompter;
class SerialLink;
struct Configuration;
struct MessagesForm;
struct SettingsForm;
struct StationFlags;

// The messages window's "Datalogger" panel: the daily maxima and minima or the ten-minute dump
// of a range of days, the link speed for a long dump, and STOP.
class Datalogger {
  public:
    struct Deps {
        MessagesForm& form;
        MessagesList& messages;
        const SettingsForm& settings;
        const Configuration& config;
        CommandQueue& queue;
        SerialLink& serial;
        const StationFlags& flags;
        Prompter& prompter;
        const Clock& clock;
    };

    explicit Datalogger(Deps deps) : p_(deps) {}

    void DTP1Change();
    void BDescargarClick();
    void BVelocidadClick();
    void BstopDescargaClick();
    // Once a second from the roof timer: a speed change the station has spoken after is taken
    // as done.
    void settleSpeed();

  private:
    void switchSerialSpeed(const char* command, int speedCode);

    Deps p_;
};

}  // namespace zaq
