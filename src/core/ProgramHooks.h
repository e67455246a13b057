#pragma once

namespace zaq {

// The duties of the main window's timers and construction that belong to modules built on the
// core; wired in the program's one wiring place.
class TimerDuties {
  public:
    virtual ~TimerDuties() = default;
    // Construction.
    virtual void initGraphStore() = 0;
    virtual void startWeatherDisplayFeed() = 0;
    // 1-second tick, after the roof timer.
    virtual void settleLinkSpeed() = 0;
    virtual void refreshSummary() = 0;
    // 4-second tick.
    virtual void showSunAltitude() = 0;
    // 60-second tick, in its order.
    virtual void updateExtremes() = 0;
    virtual void startCameraCycles() = 0;
    virtual void writeBanner() = 0;
    virtual void writeChartImages() = 0;
    virtual void writeMonthlyDataLine() = 0;
};

}  // namespace zaq
