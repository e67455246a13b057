#pragma once

#include <QTimer>
#include <functional>

#include "cameras/CaptureDeps.h"
#include "cameras/CycleRequests.h"

namespace zaq {

struct CheckBox;

// The four-channel IP video server: once a minute a walk through the checked channels, one
// channel per tick of `TimerCamara`, switching the server to each and publishing its picture.
// The requests are asynchronous: a tick's steps end when its reply or time-out comes, and
// ticks that find a request still open do nothing.
class IpVideoCapture {
  public:
    using Deps = CaptureDeps;

    static constexpr int kTickMs = 5000;
    static constexpr int kTimeoutMs = 3000;

    explicit IpVideoCapture(Deps deps);

    // The one-minute timer's call: a cycle when capturing is enabled and none is running.
    void startMinute();
    void TimerCamaraTimer();

    // The settings window's buttons.
    void BcamaraIPClick();
    void BSetChanelClick();
    void RdChClick();

    int cycleIndex() const { return k_; }
    int minuteCounter() const { return minutes_; }
    bool timerActive() const { return timer_.isActive(); }
    bool requestOpen() const { return requests_.open(); }

  private:
    using ChannelRead = std::function<void(int channel)>;
    using Outcome = std::function<void(bool ok)>;

    // The cycle's requests, or the buttons' own, so a diagnosis never waits for the walk.
    void readVideoChannel(CycleRequests& via, ChannelRead then);
    void selectVideoChannel(CycleRequests& via, int channel, Outcome then);
    void captureVideoPicture(Outcome then);
    void request(CycleRequests& via, const QString& path, const QString& bodyFile,
                 CycleRequests::Then then);

    void afterChannelRead(int channel);
    void afterCapture(bool ok);
    void endTickWhenCycleDone();
    CheckBox& channelBox(int channel);

    Deps p_;
    QTimer timer_;
    int k_ = 0;
    int minutes_ = 0;
    CycleRequests requests_;
    CycleRequests buttonRequests_;
};

}  // namespace zaq
