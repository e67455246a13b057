#pragma once

#include <QString>
#include <functional>

namespace zaq {

class ActivityLog;
class Clock;
class MessagesList;
class SystemShutdown;
struct CurrentReadings;
struct SettingsForm;
struct StationFlags;

// The supply step of the safety evaluation: with "AutoShutdown" ticked and the supply more than
// 0.5 V below its limit, a countdown of evaluations warns at the 3rd and the 24th and shuts the PC
// down at the 36th; a recovery or the box unticked cancels it.
class BatteryWatch {
  public:
    struct Deps {
        const SettingsForm& settings;
        const CurrentReadings& readings;
        StationFlags& flags;
        MessagesList& messages;
        ActivityLog& log;
        const Clock& clock;
        SystemShutdown& shutdown;
        // The day's rain summary, written before the shutdown when rain was recorded.
        std::function<void()> writeRainSummary;
    };

    static constexpr int kFirstWarning = 3;
    static constexpr int kLastWarning = 24;
    static constexpr int kShutdown = 36;

    explicit BatteryWatch(Deps deps) : p_(std::move(deps)) {}

    void watchSupply(double volts, double limit);
    int batteryLowCount() const { return count_; }

  private:
    void countDown(double volts);
    void cancel();
    void both(const QString& line);

    Deps p_;
    int count_ = 0;
};

}  // namespace zaq
