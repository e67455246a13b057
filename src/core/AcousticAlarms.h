#pragma once

#include <QString>

namespace zaq {

class ActivityLog;
class Clock;
class SoundPlayer;
class SafetyEvaluation;
struct SafetyState;
struct SettingsForm;
struct StationFlags;

// The alarms sounded every 4 seconds while their flags are up and "Alarma Acustica." is ticked:
// the station closed the roof, or it stopped answering, or its supply failed.
class AcousticAlarms {
  public:
    struct Deps {
        const SettingsForm& settings;
        StationFlags& flags;
        SafetyState& safety;
        SoundPlayer& sound;
        ActivityLog& log;
        SafetyEvaluation& safetyEvaluation;
        const Clock& clock;
        const QString& programDirectory;
    };

    explicit AcousticAlarms(const Deps& deps) : p_(deps) {}

    void sound();

  private:
    Deps p_;
};

}  // namespace zaq
