#pragma once

namespace zaq {

class Clock;
class LiveFollowUp;
struct CurrentReadings;
struct ReadingSums;
struct SettingsForm;
struct StationFlags;

// Turns a live data message (kind 'a') into CurrentReadings and ReadingSums, then makes the
// calls that follow every live message.
class LiveReadings {
  public:
    LiveReadings(CurrentReadings& readings, ReadingSums& sums, StationFlags& flags,
                 const Clock& clock, const SettingsForm& settings, LiveFollowUp& followUp)
        : readings_(readings),
          sums_(sums),
          flags_(flags),
          clock_(clock),
          settings_(settings),
          followUp_(followUp) {}

    // message: the 83 characters of a kind 'a' message and a terminating zero.
    void applyLiveMessage(const char* message);

  private:
    void readClimate(const char* message);
    void readRain(const char* message);
    bool nearMidnight() const;
    void readSupply(const char* message);
    void readSky(const char* message);
    void readPressures(const char* message);
    void readWind(const char* message);
    void runFollowUp();

    CurrentReadings& readings_;
    ReadingSums& sums_;
    StationFlags& flags_;
    const Clock& clock_;
    const SettingsForm& settings_;
    LiveFollowUp& followUp_;
};

}  // namespace zaq
