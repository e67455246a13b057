#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <random>

#include "core/AppContext.h"
#include "core/HeadlessPrompter.h"
#include "graphs/ChartRedraw.h"

namespace {

struct NoPinger : zaq::Pinger {
    bool ping(const QString&) override { return false; }
};
struct NoSound : zaq::SoundPlayer {
    void beep(int, int) override {}
    bool play(const QString&) override { return false; }
};

// A program with a full day in its graph store.
struct FullStore {
    FullStore() : app({clock, prompter, pinger, sound}, {dir.path() + u'/', {}}) {
        app.config.graphsDirectory = app.config.dataDirectory = dir.path() + u'/';
        app.configFile.loadConfiguration();
        app.pcSettings.fillFields();
        app.graphStore.initGraphStore();
        std::mt19937 random(1);
        std::uniform_real_distribution<float> value(0, 100);
        for (zaq::GraphRecord& r : app.graphStore.records()) {
            for (float* f = &r.temperature; f <= &r.thermalWindCopy; ++f) {
                *f = value(random);
            }
        }
    }
    QTemporaryDir dir;
    zaq::SystemClock clock;
    zaq::HeadlessPrompter prompter;
    NoPinger pinger;
    NoSound sound;
    zaq::AppContext app;
};

void BM_RedrawGraphsIntoTheModel(benchmark::State& state) {
    FullStore s;
    for (auto _ : state) {
        zaq::redrawGraphs(s.app.graphStore, s.app.chartModel);
        benchmark::DoNotOptimize(s.app.chartModel.revision);
    }
}
BENCHMARK(BM_RedrawGraphsIntoTheModel)->Unit(benchmark::kMillisecond);

// One minute's processing: shift, averages, titles, the three files, the redraw.
void BM_PeriodicProcessing(benchmark::State& state) {
    FullStore s;
    for (auto _ : state) {
        s.app.sums.sampleCount = 12;
        s.app.sums.temperatureSum = 1656;
        s.app.sums.pressureSeaSum = 12240;
        s.app.periodic.runPeriodicProcessing();
    }
}
BENCHMARK(BM_PeriodicProcessing)->Unit(benchmark::kMillisecond);

}  // namespace
