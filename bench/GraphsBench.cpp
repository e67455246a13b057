#include <benchmark/benchmark.h>

#include <random>

#include "BenchPlatform.h"
#include "graphs/ChartPicturesView.h"
#include "graphs/ChartRedraw.h"
#include "graphs/GraphsWindow.h"

namespace {

// A program with a full day in its graph store.
struct FullStore : zaq::bench::BenchProgram {
    FullStore() {
        app.configFile.loadConfiguration();
        app.pcSettings.fillFields();
        keepFilesInside();
        app.graphStore.initGraphStore();
        std::mt19937 random(1);
        std::uniform_real_distribution<float> value(0, 100);
        for (zaq::GraphRecord& r : app.graphStore.records()) {
            for (float* f = &r.temperature; f <= &r.thermalWindCopy; ++f) {
                *f = value(random);
            }
        }
    }
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

// A redraw as the window sees it: the model, then the 20 series of the six charts replaced,
// with (state.range(0) = 1) or without the painting of the window at 1366 × 740.
void BM_RedrawGraphsWindow(benchmark::State& state) {
    FullStore s;
    zaq::GraphsWindow window(s.app);
    s.app.graphsForm.window.show();
    window.resize(1366, 740);
    window.refresh();
    for (auto _ : state) {
        zaq::redrawGraphs(s.app.graphStore, s.app.chartModel);
        window.refresh();
        if (state.range(0) == 1) {
            benchmark::DoNotOptimize(window.grab());
        }
    }
}
BENCHMARK(BM_RedrawGraphsWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One chart drawn into a picture after a redraw, as the saved and published charts are.
void BM_ChartPicture(benchmark::State& state) {
    FullStore s;
    zaq::ChartPicturesView pictures;
    for (auto _ : state) {
        zaq::redrawGraphs(s.app.graphStore, s.app.chartModel);
        benchmark::DoNotOptimize(
            pictures.chartImage(s.app.chartModel, zaq::ChartModel::RainCloudHumidity));
    }
}
BENCHMARK(BM_ChartPicture)->Unit(benchmark::kMillisecond);

}  // namespace
