#pragma once

#include <QTimer>
#include <QVector>
#include <memory>

#include "core/SoundPlayer.h"

struct _snd_pcm;

namespace zaq {

// ALSA's default device. Sound is queued and fed to the device from the event loop, so neither
// a beep nor a file holds up the timers.
class AlsaSoundPlayer final : public SoundPlayer {
  public:
    AlsaSoundPlayer();
    ~AlsaSoundPlayer() override;

    void beep(int frequencyHz, int durationMs) override;
    bool play(const QString& path) override;

  private:
    bool openDevice();
    void feed();

    _snd_pcm* pcm_ = nullptr;
    QVector<short> pending_;  // mono, 16 bit, at kRate
    qsizetype next_ = 0;
    QTimer feeder_;
};

}  // namespace zaq
