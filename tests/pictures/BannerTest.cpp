#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

#include "support/TestContext.h"
#include "ui/Jpeg.h"

namespace zaq::test {
namespace {

using ::testing::Contains;

struct SymbolCase {
    double t;
    const char* symbol;
};

class TendencyTest : public ::testing::TestWithParam<SymbolCase> {};

TEST_P(TendencyTest, GivesTheSymbol) {
    EXPECT_EQ(Banner::tendencySymbol(GetParam().t), GetParam().symbol) << GetParam().t;
}

INSTANTIATE_TEST_SUITE_P(Table, TendencyTest,
                         ::testing::Values(SymbolCase{1.5, "+"}, SymbolCase{-1.0, " "},
                                           SymbolCase{1.0, " "}, SymbolCase{-1.01, "-"},
                                           SymbolCase{-2.0, "-"}, SymbolCase{-2.5, "--"},
                                           SymbolCase{2.0, "+"}, SymbolCase{2.01, "++"},
                                           SymbolCase{1012.0, "++"}));

TEST(SkyWordTest, ByDayFromTheRadiationByNightFromTheClouds) {
    EXPECT_EQ(Banner::daySkyWord(500, 420, 0), " Despejado");
    EXPECT_EQ(Banner::daySkyWord(500, 300, 0), " Nubes");
    EXPECT_EQ(Banner::daySkyWord(500, 150, 0), " Muy Nublado");
    EXPECT_EQ(Banner::daySkyWord(500, 420, 3.5), " Llueve");
    EXPECT_EQ(Banner::daySkyWord(500, 420, 3.0), " Despejado");
    EXPECT_EQ(Banner::daySkyWord(500, 420, 3.1), " Llueve");
    EXPECT_EQ(Banner::nightSkyWord(399 * 0.1, 40, 0), " Despejado");
    EXPECT_EQ(Banner::nightSkyWord(400 * 0.1, 40, 0), " Nubes");
    EXPECT_EQ(Banner::nightSkyWord(599 * 0.1, 40, 0), " Nubes");
    EXPECT_EQ(Banner::nightSkyWord(600 * 0.1, 40, 0), " Muy Nublado");
    EXPECT_EQ(Banner::nightSkyWord(100 * 0.1, 40, 3.1), " Llueve");
}

// A 400 × 120 template of one grey: the banner keeps its size and gains text where the lines
// stand; the sky-condition code follows the word.
class BannerTest : public ::testing::Test {
  protected:
    BannerTest() {
        QImage plain(400, 120, QImage::Format_RGB32);
        plain.fill(QColor(200, 200, 200));
        EXPECT_TRUE(writeJpegFile(t.dirPath("baner-b.jpg"), plain, 95));
        templ = readJpegFile(t.dirPath("baner-b.jpg")).image;
        t.app.settingsForm.Eident.text = "Observatorio";
        t.app.config.limits.cloudPercent = 40;
    }
    QImage banner() {
        t.app.banner.writeBanner("baner-b.jpg");
        return readJpegFile(t.dirPath("baner.jpg")).image;
    }
    // Pixels that differ clearly from the template inside the rectangle.
    int changed(const QImage& image, const QRect& area) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const QColor a = image.pixelColor(x, y), b = templ.pixelColor(x, y);
                n += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                         std::abs(a.blue() - b.blue()) >
                     90;
            }
        }
        return n;
    }
    TestContext t;
    QImage templ;
};

TEST_F(BannerTest, TheLinesStandWhereTheyBelongAndTheSkyIsClassified) {
    t.app.config.hoursFromUt = -1;
    t.app.readings.cloudX10 = 600;
    t.app.graphStore.newest().expectedRadiation = 74.9f;
    const QImage image = banner();
    ASSERT_EQ(image.size(), QSize(400, 120));
    EXPECT_GT(changed(image, QRect(10, 2, 150, 18)), 20) << "line 1";
    EXPECT_EQ(changed(image, QRect(0, 22, 14, 12)), 0) << "line 2 starts at x = 15";
    EXPECT_GT(changed(image, QRect(15, 22, 150, 12)), 20) << "line 2";
    for (int y : {40, 54, 68, 82, 96}) {
        EXPECT_GT(changed(image, QRect(10, y, 100, 12)), 10) << "line at y = " << y;
    }
    QDir().mkpath(ZAQ_SCREENSHOTS);
    image.save(QString(ZAQ_SCREENSHOTS) + "/banner.png");
    EXPECT_EQ(t.app.banner.skyWord(), " Muy Nublado");
    EXPECT_EQ(t.app.banner.skyConditionCode(), 2);
    EXPECT_FALSE(QFile::exists(t.dirPath("jpg_baner.jpg")));

    // 75 W/m² is day: the radiation decides.
    t.app.graphStore.newest().expectedRadiation = 75.0f;
    t.app.graphStore.newest().solarRadiation = 70.0f;
    banner();
    EXPECT_EQ(t.app.banner.skyWord(), " Despejado");
    EXPECT_EQ(t.app.banner.skyConditionCode(), 12);

    // djpeg, not our decoder, reads the published picture.
    QProcess djpeg;
    djpeg.start("djpeg", {"-pnm", t.dirPath("baner.jpg")});
    ASSERT_TRUE(djpeg.waitForFinished(10000));
    EXPECT_EQ(djpeg.exitCode(), 0);
    EXPECT_TRUE(djpeg.readAllStandardOutput().startsWith("P6\n400 120\n"));
}

TEST_F(BannerTest, WithoutUtcOffsetTheTimeLineStartsAtTwenty) {
    t.app.config.hoursFromUt = 0;
    const QImage image = banner();
    EXPECT_EQ(changed(image, QRect(0, 22, 19, 14)), 0);
    EXPECT_GT(changed(image, QRect(20, 24, 150, 12)), 20);
}

TEST_F(BannerTest, AMissingTemplateIsSilentAndABrokenOneIsSaid) {
    t.app.banner.writeBanner("nada.jpg");
    EXPECT_FALSE(QFile::exists(t.dirPath("baner.jpg")));
    EXPECT_TRUE(t.lines().isEmpty());
    QFile broken(t.dirPath("roto.jpg"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("no es una imagen");
    broken.close();
    t.app.banner.writeBanner("roto.jpg");
    EXPECT_THAT(t.lines(), Contains(" baner-b.jpg formato invalido"));
    EXPECT_EQ(t.app.banner.skyConditionCode(), 2);
}

// A minute's tick and the turns of the loop that finish its pictures.
void chartTick(TestContext& t) {
    t.app.chartImages.writeChartImages();
    while (t.app.chartImages.drawing()) {
        QCoreApplication::processEvents();
    }
}

// ETiempoJpg 1: the first pictures at the second tick, then at every tick while live data come;
// each chart is drawn in a turn of the loop of its own, so the pump runs between them; no
// bitmap or intermediate file stays.
TEST(ChartImagesTest, EveryTickAfterTheFirstWithLiveDataOneChartATurn) {
    TestContext t;
    t.app.config.chartIntervalMinutes = 1;
    t.app.sums.sampleCount = 3;
    chartTick(t);
    EXPECT_TRUE(t.pictures.drawn.empty());
    t.app.chartImages.writeChartImages();
    EXPECT_TRUE(t.pictures.drawn.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(t.pictures.drawn.size(), 1u);
    while (t.app.chartImages.drawing()) {
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(t.pictures.drawn.size(), 6u);
    chartTick(t);
    EXPECT_EQ(t.pictures.drawn.size(), 12u);
    t.app.sums.sampleCount = 0;
    chartTick(t);
    EXPECT_EQ(t.pictures.drawn.size(), 12u);
    const QStringList files = QDir(t.dir.path()).entryList(QDir::Files);
    for (const char* name : {"anemometro.jpg", "temperatura.jpg", "pluviometria.jpg",
                             "lluvia_nubes.jpg", "barometro.jpg", "magnitudv.jpg"}) {
        EXPECT_TRUE(files.contains(name)) << name;
        EXPECT_TRUE(readJpegFile(t.dirPath(name)).ok()) << name;
    }
    EXPECT_TRUE(
        QDir(t.dir.path()).entryList({"*.bmp", "Anem.jpg", "temp.jpg", "mag.jpg"}).isEmpty());
}

}  // namespace
}  // namespace zaq::test
