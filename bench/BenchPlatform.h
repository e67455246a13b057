#pragma once

#include <QTemporaryDir>

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

}  // namespace zaq::bench
