#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <array>

#include "support/TestContext.h"
#include "ui/Jpeg.h"

namespace zaq::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class GraphsActionsTest : public ::testing::Test {
  protected:
    GraphsActionsTest() {
        t.app.config.graphsDirectory = t.dirPath("graficas/");
        QDir(t.dir.path()).mkdir("graficas");
    }
    GraphsActions& actions() { return t.app.graphsActions; }
    const Chart& sky() const { return t.app.chartModel.charts[ChartModel::SkyBrightness]; }
    QStringList files(const QString& dir, const QString& pattern) const {
        return QDir(dir).entryList({pattern}, QDir::Files, QDir::Name);
    }
    TestContext t;
};

TEST_F(GraphsActionsTest, GuardarGraficasLeavesSixJpegsAndNoBitmaps) {
    actions().Button1Click();
    EXPECT_THAT(t.prompter.errors, IsEmpty());
    EXPECT_THAT(t.pictures.drawn, ElementsAre(ChartModel::Wind, ChartModel::Temperature,
                                              ChartModel::RainGauge, ChartModel::RainCloudHumidity,
                                              ChartModel::Pressure, ChartModel::SkyBrightness));
    EXPECT_THAT(t.lines(), ElementsAre("05/03/2015 9:07:21  Graficas guardadas como " +
                                       t.dirPath("graficas/") + "_*.jpg"));
    const QStringList jpegs = files(t.dirPath("graficas"), "*");
    EXPECT_THAT(jpegs, ElementsAre("_anemometro.jpg", "_barometro.jpg", "_lluvia_nubes.jpg",
                                   "_magnitudv.jpg", "_pluviometria.jpg", "_temperatura.jpg"));
    EXPECT_THAT(files(t.dir.path(), "*.bmp"), IsEmpty());
    for (const QString& name : jpegs) {
        const JpegPicture picture = readJpegFile(t.dirPath("graficas/" + name));
        ASSERT_TRUE(picture.ok()) << picture.error.toStdString();
        EXPECT_EQ(picture.image.size(), QSize(120, 40));
    }
    // The anemometer chart was drawn first, in the fake's first shade.
    const QImage wind = readJpegFile(t.dirPath("graficas/_anemometro.jpg")).image;
    EXPECT_NEAR(wind.pixelColor(60, 20).blue(), 255 - 40 * ChartModel::Wind, 8);
}

TEST_F(GraphsActionsTest, TheJpegsAreReadableByDjpeg) {
    const QString djpeg = QStandardPaths::findExecutable("djpeg");
    if (djpeg.isEmpty()) {
        GTEST_SKIP() << "djpeg (libjpeg-turbo-progs) is not installed";
    }
    actions().Button1Click();
    for (const QString& name : files(t.dirPath("graficas"), "*.jpg")) {
        QProcess process;
        process.start(djpeg, {"-pnm", t.dirPath("graficas/" + name)});
        ASSERT_TRUE(process.waitForFinished(5000));
        EXPECT_EQ(process.exitCode(), 0) << name.toStdString();
        EXPECT_TRUE(process.readAllStandardOutput().startsWith("P6\n120 40\n255\n"));
        EXPECT_TRUE(process.readAllStandardError().isEmpty()) << name.toStdString();
    }
}

TEST_F(GraphsActionsTest, AChartThatCannotBeDrawnStopsBeforeTheMessage) {
    t.pictures.failFrom = 2;
    actions().Button1Click();
    EXPECT_THAT(t.prompter.errors,
                ElementsAre("No se puede guardar " + t.dirPath("_pluviometria.bmp")));
    EXPECT_THAT(t.lines(), IsEmpty());
    EXPECT_THAT(files(t.dirPath("graficas"), "*"), IsEmpty());
}

TEST_F(GraphsActionsTest, AMissingGraphsDirectoryIsReportedAndTheBitmapsStay) {
    t.app.config.graphsDirectory = t.dirPath("no/such/");
    actions().Button1Click();
    EXPECT_THAT(t.prompter.errors,
                ElementsAre("No se puede guardar " + t.dirPath("no/such/_anemometro.jpg")));
    EXPECT_EQ(t.lines().size(), 1);
    EXPECT_EQ(files(t.dir.path(), "*.bmp").size(), 6);
}

TEST_F(GraphsActionsTest, LeerDatos24hOnAListenOnlyPcOnlyRefuses) {
    t.app.settingsForm.CBmaster.checked = false;
    actions().Button3Click();
    EXPECT_THAT(t.prompter.warnings, ElementsAre("Solo recepcion. PC Master deshabilitado."));
    EXPECT_THAT(t.prompter.questions, IsEmpty());
    EXPECT_EQ(t.app.queue.count(), 0);
}

TEST_F(GraphsActionsTest, LeerDatos24hCancelledLeavesTheStoreAlone) {
    t.app.settingsForm.CBmaster.checked = true;
    t.app.graphStore.records()[5].timeOfDay = 0.123;
    t.prompter.answers = {false};
    actions().Button3Click();
    EXPECT_THAT(t.prompter.questions, ElementsAre("¿Desea recuperar datos de 24h de la estacion?"));
    EXPECT_EQ(t.app.graphStore.records()[5].timeOfDay, 0.123);
    EXPECT_EQ(t.app.queue.count(), 0);
}

TEST_F(GraphsActionsTest, LeerDatos24hConfirmedRestampsAndAsksTheStation) {
    t.app.settingsForm.CBmaster.checked = true;
    actions().Button3Click();
    // A day ago plus five minutes: 09:12 of the day before.
    const GraphRecord& r = t.app.graphStore.records()[5];
    EXPECT_NEAR(r.timeOfDay * 1440, 9 * 60 + 12 + 21.0 / 60, 1e-6);
    ASSERT_EQ(t.app.queue.count(), 1);
    EXPECT_EQ(t.app.queue.top(), "(@t0000)");
}

// An item chosen (clicked, or stored in zaq.cfg), the item marked after it and the ranges of
// the sky chart: brightness on the left, limiting magnitude on the right.
struct SkyRangeCase {
    int item;
    int marked;
    std::array<double, 4> ranges;
};

class SkyRangeTest : public GraphsActionsTest, public ::testing::WithParamInterface<SkyRangeCase> {
  protected:
    void expectMarkedAndRanges() {
        EXPECT_EQ(t.app.graphsForm.RGCielo.itemIndex, GetParam().marked);
        EXPECT_THAT((std::array{sky().left.minimum, sky().left.maximum, sky().right.minimum,
                                sky().right.maximum}),
                    ::testing::ElementsAreArray(GetParam().ranges));
    }
};

using ClickedSkyRangeTest = SkyRangeTest;
TEST_P(ClickedSkyRangeTest, EachItemSetsBothAxesOfTheSkyChart) {
    actions().RGCieloClick(GetParam().item == 3 ? 0 : 3);  // from another item
    actions().RGCieloClick(GetParam().item);
    expectMarkedAndRanges();
}

INSTANTIATE_TEST_SUITE_P(Items, ClickedSkyRangeTest,
                         ::testing::Values(SkyRangeCase{0, 0, {8, 22, 1, 7}},
                                           SkyRangeCase{1, 1, {15, 18, 1, 4}},
                                           SkyRangeCase{2, 2, {17, 20, 3, 6}},
                                           SkyRangeCase{3, 3, {18, 22, 3, 7}}));

// The settings window's construction selects a stored item again as a click would: "18-22" is
// marked already and a stored 0 is not applied, so both leave the chart's first ranges.
using StoredSkyRangeTest = SkyRangeTest;
TEST_P(StoredSkyRangeTest, AppliesAtStartOnlyWhenItChangesTheMarkedItem) {
    t.app.config.skyRangeIndex = GetParam().item;
    t.app.pcSettings.fillFields();
    expectMarkedAndRanges();
}

INSTANTIATE_TEST_SUITE_P(Stored, StoredSkyRangeTest,
                         ::testing::Values(SkyRangeCase{0, 3, {19, 22, 4, 7}},
                                           SkyRangeCase{1, 1, {15, 18, 1, 4}},
                                           SkyRangeCase{2, 2, {17, 20, 3, 6}},
                                           SkyRangeCase{3, 3, {19, 22, 4, 7}}));

TEST_F(GraphsActionsTest, TheTwoButtonsShowAndHideTheirSeries) {
    ChartModel& m = t.app.chartModel;
    EXPECT_FALSE(m.windMean().active);
    actions().Bv1minClick();
    EXPECT_TRUE(m.windMean().active);
    actions().Bv1minClick();
    EXPECT_FALSE(m.windMean().active);
    EXPECT_TRUE(m.expectedRadiation().active);
    actions().BRSolarPrevistaClick();
    EXPECT_FALSE(m.expectedRadiation().active);
}

}  // namespace
}  // namespace zaq::test
