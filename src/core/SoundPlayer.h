#pragma once

#include <QString>

namespace zaq {

// Beeps and WAV files for the acoustic alarms.
class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    virtual void beep(int frequencyHz, int durationMs) = 0;
    // Starts the file; false when the file or the sound device cannot be used.
    virtual bool play(const QString& path) = 0;
};

}  // namespace zaq
