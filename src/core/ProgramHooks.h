#pragma once

namespace zaq {

// The duties of the main window's timers and construction that belong to modules built on the
// core. Each does nothing until its module is wired.
class TimerDuties {
  public:
    virtual ~TimerDuties() = default;
    // Construction.
    virtual void initGraphStore() {}
    virtual void startWeatherDisplayFeed() {}
    // 4-second tick.
    virtual void showSunAltitude() {}
    // 60-second tick, in its order.
    virtual void updateExtremes() {}
    virtual void startCameraCycles() {}
    virtual void writeBanner() {}
    virtual void writeChartImages() {}
    virtual void writeMonthlyDataLine() {}
    // 1-second roof timer: the datalogger's speed caption settles.
    virtual void settleSpeedCaption() {}
};

}  // namespace zaq
