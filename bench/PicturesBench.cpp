#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include "BenchPlatform.h"
#include "graphs/ChartPicturesView.h"
#include "ui/Jpeg.h"

namespace {

// A program with live readings, a banner template and a camera picture in its directory.
struct PicturesProgram : zaq::bench::BenchProgram {
    PicturesProgram() : BenchProgram(&charts) {
        app.config.chartIntervalMinutes = 0;
        app.sums.sampleCount = 12;
        app.graphStore.initGraphStore();
        QImage templ(468, 80, QImage::Format_RGB32);
        templ.fill(QColor(10, 20, 60));
        zaq::writeJpegFile(dir.path() + "/baner-b.jpg", templ, 90);
        QImage camera(1280, 960, QImage::Format_RGB32);
        QPainter painter(&camera);
        painter.fillRect(camera.rect(), QLinearGradient(0, 0, 1280, 960));
        painter.drawEllipse(300, 200, 600, 500);
        painter.end();
        zaq::writeJpegFile(cameraSource(), camera, 85);
    }
    QString cameraSource() const { return dir.path() + "/source.jpg"; }
    zaq::ChartPicturesView charts;
};

// The 60-second tick's pictures: the banner and the six charts (bitmap, JPEG, published).
void BM_MinutePictures(benchmark::State& state) {
    PicturesProgram p;
    for (auto _ : state) {
        p.app.banner.writeBanner(QStringLiteral("baner-b.jpg"));
        p.app.chartImages.writeChartImages();
        while (p.app.chartImages.drawing()) {
            QCoreApplication::processEvents();
        }
    }
}
BENCHMARK(BM_MinutePictures)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// One camera picture of 1280 × 960 stamped with the two banner lines.
void BM_StampCameraPicture(benchmark::State& state) {
    PicturesProgram p;
    const QString file = p.dir.path() + "/IPcam.jpg";
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(file);
        QFile::copy(p.cameraSource(), file);
        state.ResumeTiming();
        p.app.overlay.stampCameraImage(file);
    }
}
BENCHMARK(BM_StampCameraPicture)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

}  // namespace
