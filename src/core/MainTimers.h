#pragma once

#include <QTimer>

#include "core/PumpLateness.h"

namespace zaq {

class AcousticAlarms;
class CommandQueue;
class MessagesList;
class RoofControl;
class StartupSequence;
class StationLink;
class TimerDuties;
struct MainForm;
struct SettingsForm;
struct StationFlags;

// The main window's three timers and their duties, in their fixed order, and the one-second
// roof timer.
class MainTimers {
  public:
    struct Deps {
        StationLink& link;
        StartupSequence& startup;
        AcousticAlarms& alarms;
        CommandQueue& queue;
        MessagesList& messages;
        StationFlags& flags;
        MainForm& main;
        const SettingsForm& settings;
        TimerDuties& duties;
        RoofControl& roof;
    };

    static constexpr int kQueueResetAbove = 25;

    explicit MainTimers(const Deps& deps);

    void start();

    void tick100ms();
    void tick4s();
    void tick60s();
    void tick1s();

    qint64 takeWorstPumpLatenessMs() { return lateness_.takeWorstMs(); }

  private:
    void countDataFileMinutes();

    Deps p_;
    QTimer pump_;
    QTimer presence_;
    QTimer minute_;
    QTimer roofTimer_;
    PumpLateness lateness_;
    int visibleMinutes_ = 0;
    int dataFileMinutes_ = 0;
};

}  // namespace zaq
