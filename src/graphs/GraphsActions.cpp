#include "graphs/GraphsActions.h"

#include <QFile>
#include <QImage>

#include "base/Clock.h"
#include "base/Configuration.h"
#include "base/GraphsForm.h"
#include "base/MasterPc.h"
#include "base/MessagesList.h"
#include "base/SettingsForm.h"
#include "graphs/ChartPictures.h"
#include "graphs/GraphStore.h"
#include "station/CommandQueue.h"
#include "ui/DateTimeText.h"
#include "ui/Jpeg.h"
#include "ui/Prompter.h"

namespace zaq {
namespace {

struct SkyRange {
    double leftMin, leftMax, rightMin, rightMax;
};

// The items of RGCielo, in their order: sky brightness on the left, limiting magnitude right.
constexpr SkyRange kSkyRanges[] = {
    {8, 22, 1, 7},
    {15, 18, 1, 4},
    {17, 20, 3, 6},
    {18, 22, 3, 7},
};

// The charts in the order they are saved, with the name of their files.
struct ChartFile {
    ChartModel::Position chart;
    const char* name;
};
constexpr ChartFile kChartFiles[] = {
    {ChartModel::Wind, "_anemometro"},        {ChartModel::Temperature, "_temperatura"},
    {ChartModel::RainGauge, "_pluviometria"}, {ChartModel::RainCloudHumidity, "_lluvia_nubes"},
    {ChartModel::Pressure, "_barometro"},     {ChartModel::SkyBrightness, "_magnitudv"},
};

QString chartFile(const QString& directory, const ChartFile& file, const char* extension) {
    return directory + QLatin1String(file.name) + QLatin1String(extension);
}

}  // namespace

void GraphsActions::Button1Click() {
    if (!saveBitmaps()) {
        return;
    }
    p_.messages.addMessage(timeText(p_.clock.now()) + QStringLiteral("  Graficas guardadas como ") +
                           p_.config.graphsDirectory + QStringLiteral("_*.jpg"));
    convertBitmaps();
}

bool GraphsActions::saveBitmaps() {
    for (const ChartFile& file : kChartFiles) {
        const QString path = chartFile(p_.workingDirectory, file, ".bmp");
        const QImage image = p_.pictures.chartImage(p_.model, file.chart);
        if (image.isNull() || !image.save(path, "BMP")) {
            p_.prompter.reportError(QStringLiteral("No se puede guardar ") + path);
            return false;
        }
    }
    return true;
}

// Each bitmap becomes a JPEG in the graphs directory; a failure stops here and what was
// written stays.
void GraphsActions::convertBitmaps() {
    for (const ChartFile& file : kChartFiles) {
        const QString bitmap = chartFile(p_.workingDirectory, file, ".bmp");
        QImage image;
        if (!image.load(bitmap, "BMP")) {
            p_.prompter.reportError(QStringLiteral("No se puede leer ") + bitmap);
            return;
        }
        QString error;
        const QString jpeg = chartFile(p_.config.graphsDirectory, file, ".jpg");
        if (!writeJpegFile(jpeg, image, kDefaultJpegQuality, &error)) {
            p_.prompter.reportError(error);
            return;
        }
        QFile::remove(bitmap);
    }
}

void GraphsActions::Button3Click() {
    if (!commandingAllowed(p_.settings, p_.prompter)) {
        return;
    }
    if (!p_.prompter.ask(QStringLiteral("¿Desea recuperar datos de 24h de la estacion?"))) {
        return;
    }
    p_.store.requestDayDump(p_.queue);
}

void GraphsActions::RGCieloClick(int item) {
    if (item < 0 || item >= p_.form.RGCielo.items.size() || item == p_.form.RGCielo.itemIndex) {
        return;
    }
    p_.form.RGCielo.itemIndex = item;
    applySkyRange(item);
}

void GraphsActions::applySkyRange(int item) {
    const SkyRange& range = kSkyRanges[item];
    Chart& chart = p_.model.charts[ChartModel::SkyBrightness];
    chart.left.minimum = range.leftMin;
    chart.left.maximum = range.leftMax;
    chart.right.minimum = range.rightMin;
    chart.right.maximum = range.rightMax;
}

void GraphsActions::Bv1minClick() {
    p_.model.windMean().active = !p_.model.windMean().active;
}

void GraphsActions::BRSolarPrevistaClick() {
    p_.model.expectedRadiation().active = !p_.model.expectedRadiation().active;
}

}  // namespace zaq
