#include "core/AlsaSoundPlayer.h"

#include <alsa/asoundlib.h>
#include <sndfile.h>

#include <cmath>
#include <numbers>

namespace zaq {
namespace {
constexpr unsigned kRate = 22050;
constexpr int kFeedMs = 50;
constexpr sf_count_t kMaxSeconds = 60;

// A machine without a sound card is not an error worth ALSA's own lines on standard error.
void quiet(const char*, int, const char*, int, const char*, ...) {}
}  // namespace

AlsaSoundPlayer::AlsaSoundPlayer() {
    feeder_.setInterval(kFeedMs);
    QObject::connect(&feeder_, &QTimer::timeout, [this] { feed(); });
}

AlsaSoundPlayer::~AlsaSoundPlayer() {
    if (pcm_ != nullptr) {
        snd_pcm_close(pcm_);
    }
}

bool AlsaSoundPlayer::openDevice() {
    if (pcm_ != nullptr) {
        return true;
    }
    snd_lib_error_set_handler(quiet);
    if (snd_pcm_open(&pcm_, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) {
        pcm_ = nullptr;
        return false;
    }
    if (snd_pcm_set_params(pcm_, SND_PCM_FORMAT_S16_LE, SND_PCM_ACCESS_RW_INTERLEAVED, 1, kRate, 1,
                           500000) < 0) {
        snd_pcm_close(pcm_);
        pcm_ = nullptr;
        return false;
    }
    return true;
}

void AlsaSoundPlayer::beep(int frequencyHz, int durationMs) {
    if (!openDevice()) {
        return;
    }
    const qsizetype frames = static_cast<qsizetype>(kRate) * durationMs / 1000;
    for (qsizetype i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / kRate;
        pending_.append(
            static_cast<short>(9000 * std::sin(2 * std::numbers::pi * frequencyHz * t)));
    }
    feeder_.start();
    feed();
}

bool AlsaSoundPlayer::play(const QString& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.toLocal8Bit().constData(), SFM_READ, &info);
    if (file == nullptr) {
        return false;
    }
    const bool sensible = info.channels >= 1 && info.channels <= 8 && info.samplerate > 0 &&
                          info.frames <= info.samplerate * kMaxSeconds;
    if (!sensible || !openDevice()) {
        sf_close(file);
        return false;
    }
    // Mixed down to mono and stepped to the device's rate.
    QVector<short> samples(static_cast<qsizetype>(info.frames) * info.channels);
    sf_readf_short(file, samples.data(), info.frames);
    sf_close(file);
    const double step = static_cast<double>(info.samplerate) / kRate;
    for (double at = 0; at < static_cast<double>(info.frames); at += step) {
        const qsizetype frame = static_cast<qsizetype>(at) * info.channels;
        int sum = 0;
        for (int c = 0; c < info.channels; ++c) {
            sum += samples[frame + c];
        }
        pending_.append(static_cast<short>(sum / std::max(1, info.channels)));
    }
    feeder_.start();
    feed();
    return true;
}

void AlsaSoundPlayer::feed() {
    while (pcm_ != nullptr && next_ < pending_.size()) {
        const snd_pcm_sframes_t written =
            snd_pcm_writei(pcm_, pending_.constData() + next_,
                           static_cast<snd_pcm_uframes_t>(pending_.size() - next_));
        if (written == -EAGAIN) {
            return;
        }
        if (written < 0) {
            if (snd_pcm_recover(pcm_, static_cast<int>(written), 1) < 0) {
                pending_.clear();
                next_ = 0;
            }
            return;
        }
        next_ += written;
    }
    pending_.clear();
    next_ = 0;
    feeder_.stop();
}

}  // namespace zaq
