#include "records/ChartImages.h"

#include <QFile>
#include <QImage>
#include <iterator>

#include "base/Configuration.h"
#include "base/ReadingSums.h"
#include "graphs/ChartPictures.h"
#include "ui/Jpeg.h"
#include "ui/Prompter.h"
#include "ui/TextFile.h"

namespace zaq {
namespace {

constexpr int kChartQuality = 80;

struct ChartImage {
    ChartModel::Position chart;
    const char* bitmap;
    const char* intermediate;
    const char* published;
};

// In the order they are handled.
constexpr ChartImage kCharts[] = {
    {ChartModel::Wind, "anemometro.bmp", "Anem.jpg", "anemometro.jpg"},
    {ChartModel::Temperature, "temperatura.bmp", "temp.jpg", "temperatura.jpg"},
    {ChartModel::RainGauge, "pluviometria.bmp", "pluv.jpg", "pluviometria.jpg"},
    {ChartModel::RainCloudHumidity, "lluvia_nubes.bmp", "lluv.jpg", "lluvia_nubes.jpg"},
    {ChartModel::Pressure, "barometro.bmp", "baro.jpg", "barometro.jpg"},
    {ChartModel::SkyBrightness, "magnitudv.bmp", "mag.jpg", "magnitudv.jpg"},
};

}  // namespace

ChartImages::ChartImages(Deps deps) : p_(deps) {
    nextStep_.setSingleShot(true);
    nextStep_.setInterval(0);
    QObject::connect(&nextStep_, &QTimer::timeout, [this] { runStep(); });
}

// The counter moves when the tick's work is over: set to 0 and counted once the pictures are
// made, not counted when a save fails (that ends the tick), counted at once when none are due.
void ChartImages::writeChartImages() {
    if (!drawing() && minutes_ >= p_.config.chartIntervalMinutes && p_.sums.sampleCount > 0) {
        step_ = 0;
        nextStep_.start();
        return;
    }
    ++minutes_;
}

void ChartImages::runStep() {
    constexpr int kChartCount = static_cast<int>(std::size(kCharts));
    const int step = step_;
    const bool ok = step < kChartCount ? saveBitmap(step) : convertBitmap(step - kChartCount);
    if (!ok) {
        step_ = -1;
        return;
    }
    if (step + 1 < 2 * kChartCount) {
        step_ = step + 1;
        nextStep_.start();
        return;
    }
    step_ = -1;
    minutes_ = 0;
    publish();
    ++minutes_;
}

bool ChartImages::saveBitmap(int chart) {
    const ChartImage& c = kCharts[chart];
    const QString path = p_.config.graphsDirectory + QLatin1String(c.bitmap);
    const QImage image = p_.pictures.chartImage(p_.model, c.chart);
    if (image.isNull() || !image.save(path, "BMP")) {
        p_.prompter.reportError(QStringLiteral("No se puede guardar ") + path);
        return false;
    }
    return true;
}

bool ChartImages::convertBitmap(int chart) {
    const ChartImage& c = kCharts[chart];
    QImage image;
    QString error;
    const QString bitmap = p_.config.graphsDirectory + QLatin1String(c.bitmap);
    if (!image.load(bitmap, "BMP")) {
        p_.prompter.reportError(QStringLiteral("No se puede leer ") + bitmap);
        return false;
    }
    if (!writeJpegFile(p_.config.graphsDirectory + QLatin1String(c.intermediate), image,
                       kChartQuality, &error)) {
        p_.prompter.reportError(error);
        return false;
    }
    return true;
}

// Each published picture is replaced whole; the working files go.
void ChartImages::publish() {
    const QString& dir = p_.config.graphsDirectory;
    for (const ChartImage& c : kCharts) {
        QFile intermediate(dir + QLatin1String(c.intermediate));
        if (intermediate.open(QIODevice::ReadOnly)) {
            replaceFile(dir + QLatin1String(c.published), intermediate.readAll());
        }
        intermediate.close();
        intermediate.remove();
        QFile::remove(dir + QLatin1String(c.bitmap));
    }
}

}  // namespace zaq
