#pragma once

#include <QString>

namespace zaq {

class ActivityLog;
class Clock;
class LiveFollowUp;
class SoundPlayer;
struct SafetyState;
struct SettingsForm;
struct StationFlags;

// The alarms sounded every 4 seconds while their flags are up and "Alarma Acustica." is ticked:
// the station closed the roof, or it stopped answering, or its supply failed.
class AcousticAlarms {
  public:
    struct Parts {
        const SettingsForm& settings;
        StationFlags& flags;
        SafetyState& safety;
        SoundPlayer& sound;
        ActivityLog& log;
        LiveFollowUp& safetyEvaluation;
        const Clock& clock;
        const QString& programDirectory;
    };

    explicit AcousticAlarms(const Parts& parts) : p_(parts) {}

    void sound();

  private:
    Parts p_;
};

}  // namespace zaq
