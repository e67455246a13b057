#pragma once

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstring>
#include <vector>

#include "core/AppContext.h"
#include "core/HeadlessPrompter.h"

namespace zaq::bench {

// What the program asks of the machine, answered by doing nothing: the figures are about the
// program's own work.
struct NoPinger : Pinger {
    bool ping(const QString&) override { return false; }
};
struct NoSound : SoundPlayer {
    void beep(int, int) override {}
    bool play(const QString&) override { return false; }
};
struct NoShutdown final : SystemShutdown {
    void shutDown() override {}
};
// Every request fails at once, as with no camera on the network.
struct NoCameras : HttpClient {
    void get(const HttpRequest&, Done done) override { done({}); }
};
struct NoPictures : ChartPictures {
    QImage chartImage(const ChartModel&, ChartModel::Position) override { return {}; }
};

// The program's state on the real clock, with its files in a temporary directory.
struct BenchProgram {
    // The charts are not drawn unless the benchmark hands in the real drawing.
    explicit BenchProgram(ChartPictures* chartPictures = nullptr)
        : app({clock, prompter, pinger, sound, chartPictures ? *chartPictures : pictures, shutdown,
               cameras},
              {dir.path() + u'/', {}}) {
        keepFilesInside();
    }
    // Also after loading a configuration, which puts the directories back to "./".
    void keepFilesInside() {
        app.config.graphsDirectory = app.config.dataDirectory = dir.path() + u'/';
    }
    QTemporaryDir dir;
    SystemClock clock;
    HeadlessPrompter prompter;
    NoPinger pinger;
    NoSound sound;
    NoPictures pictures;
    NoShutdown shutdown;
    NoCameras cameras;
    AppContext app;
};

// While a load runs: the station feeds a live message every second, and a 100 ms timer stands
// for the pump; its worst lateness shows whether the load crowds out the program's own work.
class StationUnderLoad {
  public:
    explicit StationUnderLoad(BenchProgram& program) {
        QObject::connect(&pump_, &QTimer::timeout, [this] {
            worstLateMs_ = std::max(worstLateMs_, sinceTick_.nsecsElapsed() / 1e6 - 100);
            sinceTick_.restart();
        });
        QObject::connect(&station_, &QTimer::timeout, [&program] {
            static const char* live =
                "(CAs 080 000 10200 09408 1120 0245 078 11003 +138 112 -128 1800 234 2131 180 "
                "a0200)";
            program.app.dispatcher.feedStationBytes(live, static_cast<int>(std::strlen(live)));
        });
    }
    void start() {
        sinceTick_.start();
        pump_.start(100);
        station_.start(1000);
    }
    double worstLateMs() const { return worstLateMs_; }

  private:
    QTimer pump_;
    QTimer station_;
    QElapsedTimer sinceTick_;
    double worstLateMs_ = 0;
};

// The q-quantile of latencies already sorted; -1 when there are none.
inline double quantile(const std::vector<double>& sorted, double q) {
    return sorted.empty() ? -1.0 : sorted[static_cast<std::size_t>(q * (sorted.size() - 1))];
}

}  // namespace zaq::bench
