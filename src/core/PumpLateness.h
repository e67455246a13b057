#pragma once

#include <QElapsedTimer>

namespace zaq {

// How late the 100 ms pump has come round: a night's unattended run shows in the journal
// whether anything held the program's loop up.
class PumpLateness {
  public:
    static constexpr qint64 kPeriodMs = 100;

    void start() { sinceTick_.start(); }
    void tick();
    // The worst lateness since it was last taken, in whole milliseconds.
    qint64 takeWorstMs();

  private:
    QElapsedTimer sinceTick_;
    qint64 worstMs_ = 0;
};

}  // namespace zaq
