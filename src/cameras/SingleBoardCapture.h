#pragma once

#include <QTimer>

#include "cameras/CaptureDeps.h"
#include "cameras/CycleRequests.h"

namespace zaq {

// The two single-board cameras: once a minute each camera's picture is fetched twice, checked
// and published, one state per tick of `TimerPicam`. A tick that finds its request still open
// does nothing.
class SingleBoardCapture {
  public:
    using Deps = CaptureDeps;

    static constexpr int kTickMs = 1000;
    static constexpr int kTimeoutMs = 5000;
    // A picture of this size or less is an error page or an empty answer.
    static constexpr qint64 kSmallestPicture = 1000;

    enum State { Idle = 0, FirstRequest, SecondRequest, CheckFile, Publish };

    explicit SingleBoardCapture(Deps deps);

    // The one-minute timer's call, before the video server's: also restarts an unfinished
    // cycle at the camera it had reached.
    void startMinute();
    void TimerPicamTimer();
    void BpiClick();

    State state() const { return s_; }
    int cameraNumber() const { return n_; }
    int minuteCounter() const { return minutes_; }
    bool timerActive() const { return timer_.isActive(); }

  private:
    void restart();
    void prepareRequest();
    void fetch(State next);
    void checkFile();
    void publish();
    QString workingFile() const;

    Deps p_;
    QTimer timer_;
    CycleRequests requests_;
    State s_ = Idle;
    int n_ = 1;
    int minutes_ = 0;
    // Kept from the last tick that applied them, as the camera client keeps them.
    QString user_;
    QString password_;
};

}  // namespace zaq
