#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAbstractAxis>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QLegendMarker>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QValueAxis>
#include <QXYSeries>
#include <limits>

#include "core/WindowConstruction.h"
#include "graphs/ChartPicturesView.h"
#include "graphs/ChartRedraw.h"
#include "graphs/ChartView.h"
#include "graphs/GraphsWindow.h"
#include "settings/ConfigLayout.h"
#include "support/SimulatorLink.h"
#include "support/TestContext.h"
#include "ui/Jpeg.h"
#include "views/Screenshot.h"

namespace zaq::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

QValueAxis* axisAt(QChart* chart, Qt::Alignment side) {
    for (QAbstractAxis* axis : chart->axes(Qt::Vertical)) {
        if (axis->alignment() == side) {
            return qobject_cast<QValueAxis*>(axis);
        }
    }
    return nullptr;
}

std::pair<double, double> range(QChart* chart, Qt::Alignment side) {
    QValueAxis* axis = axisAt(chart, side);
    return axis ? std::pair{axis->min(), axis->max()} : std::pair{-1.0, -1.0};
}

QXYSeries* seriesAt(QChart* chart, int index) {
    return qobject_cast<QXYSeries*>(chart->series().at(index));
}

template <typename Widget>
Widget* childShowing(QWidget& window, const QString& text) {
    for (Widget* widget : window.findChildren<Widget*>()) {
        if (widget->text() == text) {
            return widget;
        }
    }
    return nullptr;
}

class GraphsWindowTest : public ::testing::Test {
  protected:
    void construct() {
        WindowConstruction construction(t.app);
        construction.constructMainWindow();
        construction.constructSettingsWindow();
        t.keepFilesInside();
        window = std::make_unique<GraphsWindow>(t.app);
        t.app.actions.BGraficasClick();
        window->refresh();
    }
    QChart* chart(ChartModel::Position position) { return window->chartView(position).chart(); }

    TestContext t;
    std::unique_ptr<GraphsWindow> window;
};

TEST_F(GraphsWindowTest, EveryChartShowsTheSeriesAndAxesOfTheModel) {
    construct();
    ASSERT_TRUE(window->isVisible());
    for (int position = 0; position < 6; ++position) {
        const Chart& model = t.app.chartModel.charts[static_cast<std::size_t>(position)];
        QChart* view = chart(static_cast<ChartModel::Position>(position));
        ASSERT_EQ(view->series().size(), static_cast<qsizetype>(model.series.size()));
        for (std::size_t i = 0; i < model.series.size(); ++i) {
            QXYSeries* series = seriesAt(view, static_cast<int>(i));
            const ChartSeries& s = model.series[i];
            if (!model.legendShowsLastValue) {
                EXPECT_EQ(series->name(), s.title);
            }
            EXPECT_EQ(series->color(), QColor(s.colour.red(), s.colour.green(), s.colour.blue()))
                << s.title.toStdString();
            EXPECT_EQ(series->isVisible(), s.active) << s.title.toStdString();
        }
        ASSERT_EQ(view->axes(Qt::Horizontal).size(), 1);
        EXPECT_TRUE(view->axes(Qt::Horizontal).front()->isReverse()) << "newest minute right";
    }
    QChart* wind = chart(ChartModel::Wind);
    EXPECT_EQ(seriesAt(wind, 1)->type(), QAbstractSeries::SeriesTypeScatter);  // "Veleta"
    EXPECT_EQ(range(wind, Qt::AlignLeft), std::pair(-1.0, 101.0));
    EXPECT_EQ(range(wind, Qt::AlignRight), std::pair(-3.0, 363.0));
    EXPECT_EQ(axisAt(wind, Qt::AlignRight)->labelsColor(), QColor(255, 0, 0));
    QChart* light = chart(ChartModel::RainCloudHumidity);
    EXPECT_EQ(range(light, Qt::AlignLeft), std::pair(-2.0, 102.0));
    EXPECT_EQ(range(light, Qt::AlignRight), std::pair(-20.0, 1020.0));
    EXPECT_EQ(axisAt(light, Qt::AlignRight)->titleText(), "AlturaSol");
    EXPECT_EQ(range(chart(ChartModel::Pressure), Qt::AlignLeft), std::pair(990.0, 1030.0));
    EXPECT_EQ(range(chart(ChartModel::Pressure), Qt::AlignRight), std::pair(990.0, 1030.0));
    EXPECT_EQ(window->chartView(ChartModel::RainGauge).toolTip(), "Acumulado del Mes:");
}

struct Ranges {
    std::pair<double, double> left, right;
};

TEST_F(GraphsWindowTest, TheSkyScaleFollowsTheRangeSelector) {
    construct();
    QChart* sky = chart(ChartModel::SkyBrightness);
    EXPECT_EQ(range(sky, Qt::AlignLeft), std::pair(19.0, 22.0));
    EXPECT_EQ(range(sky, Qt::AlignRight), std::pair(4.0, 7.0));
    const std::pair<const char*, Ranges> clicks[] = {
        {"8-22", {{8, 22}, {1, 7}}},
        {"15-18", {{15, 18}, {1, 4}}},
        {"17-20", {{17, 20}, {3, 6}}},
        {"18-22", {{18, 22}, {3, 7}}},
    };
    for (const auto& [item, expected] : clicks) {
        QRadioButton* radio = childShowing<QRadioButton>(*window, item);
        ASSERT_NE(radio, nullptr) << item;
        radio->click();
        EXPECT_EQ(range(sky, Qt::AlignLeft), expected.left) << item;
        EXPECT_EQ(range(sky, Qt::AlignRight), expected.right) << item;
        EXPECT_TRUE(radio->isChecked());
    }
}

class StoredSkyScaleTest : public GraphsWindowTest,
                           public ::testing::WithParamInterface<std::pair<int, Ranges>> {};

TEST_P(StoredSkyScaleTest, TheStoredItemIsShownFromTheStart) {
    // A zaq.cfg whose sky-range byte holds that item.
    t.app.configImage.writeChar(cfglayout::kSkyRange, static_cast<char>('0' + GetParam().first));
    ASSERT_TRUE(t.app.configFile.writeConfiguration());
    construct();
    EXPECT_EQ(t.app.graphsForm.RGCielo.itemIndex, GetParam().first == 0 ? 3 : GetParam().first);
    QChart* sky = chart(ChartModel::SkyBrightness);
    EXPECT_EQ(range(sky, Qt::AlignLeft), GetParam().second.left);
    EXPECT_EQ(range(sky, Qt::AlignRight), GetParam().second.right);
}

INSTANTIATE_TEST_SUITE_P(Stored, StoredSkyScaleTest,
                         ::testing::Values(std::pair(0, Ranges{{19, 22}, {4, 7}}),
                                           std::pair(2, Ranges{{17, 20}, {3, 6}}),
                                           std::pair(3, Ranges{{19, 22}, {4, 7}})));

TEST_F(GraphsWindowTest, V1minShowsAndHidesTheOneMinuteMean) {
    construct();
    QXYSeries* mean = seriesAt(chart(ChartModel::Wind), 4);
    ASSERT_EQ(mean->name(), "V. Media 1min.");
    QPushButton* button = childShowing<QPushButton>(*window, "V.1min");
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(mean->isVisible());
    button->click();
    EXPECT_TRUE(mean->isVisible());
    button->click();
    EXPECT_FALSE(mean->isVisible());
    QXYSeries* expected = seriesAt(chart(ChartModel::RainCloudHumidity), 4);
    childShowing<QPushButton>(*window, "R.Sol")->click();
    EXPECT_FALSE(expected->isVisible());
}

TEST_F(GraphsWindowTest, HighPressureWidensBothPressureAxesAndPointsAreReplacedInBulk) {
    construct();
    QXYSeries* sea = seriesAt(chart(ChartModel::Pressure), 0);
    int replaced = 0;
    int added = 0;
    QObject::connect(sea, &QXYSeries::pointsReplaced, [&] { ++replaced; });
    QObject::connect(sea, &QXYSeries::pointAdded, [&] { ++added; });
    for (int i = 1400; i < 1403; ++i) {
        t.app.graphStore.records()[static_cast<std::size_t>(i)].pressureSeaLevel = 1035;
    }
    t.app.sums.sampleCount = 1;
    t.app.sums.pressureSeaSum = 1036;
    t.app.periodic.runPeriodicProcessing();
    window->refresh();
    EXPECT_EQ(range(chart(ChartModel::Pressure), Qt::AlignLeft), std::pair(990.0, 1040.0));
    EXPECT_EQ(range(chart(ChartModel::Pressure), Qt::AlignRight), std::pair(990.0, 1040.0));
    EXPECT_EQ(replaced, 1);
    EXPECT_EQ(added, 0);
    ASSERT_EQ(sea->count(), 1440);
    EXPECT_FLOAT_EQ(sea->at(0).y(), 1036);  // the newest minute is x = 0, at the right edge
    window->refresh();
    EXPECT_EQ(replaced, 1) << "nothing new, nothing replaced";
}

// A damaged "zaqgraf.hex" of the right size may hold anything in its values.
TEST_F(GraphsWindowTest, ValuesThatAreNotNumbersAreDrawnWithoutHarm) {
    construct();
    const float odd[] = {std::numeric_limits<float>::quiet_NaN(),
                         std::numeric_limits<float>::infinity(), -3.4e38f, 3.4e38f};
    for (std::size_t i = 0; i < 1440; ++i) {
        GraphRecord& r = t.app.graphStore.records()[i];
        r.temperature = r.pressureSeaLevel = odd[i % 4];
        r.skyBrightness = odd[(i + 1) % 4];
        r.rainGauge = 3.4e38f;  // a flat line far out
    }
    redrawGraphs(t.app.graphStore, t.app.chartModel);
    window->resize(1366, 740);
    window->refresh();
    EXPECT_FALSE(window->grab().isNull());
    ChartPicturesView pictures;
    EXPECT_FALSE(pictures.chartImage(t.app.chartModel, ChartModel::Temperature).isNull());
}

TEST_F(GraphsWindowTest, ChartPicturesAreDrawnWithoutTheWindow) {
    ChartPicturesView pictures;
    for (std::size_t i = 1435; i < 1440; ++i) {
        t.app.graphStore.records()[i].pressureSeaLevel = 1010;
    }
    redrawGraphs(t.app.graphStore, t.app.chartModel);
    const QImage image = pictures.chartImage(t.app.chartModel, ChartModel::Pressure);
    ASSERT_FALSE(image.isNull());
    image.save(QString(ZAQ_SCREENSHOTS) + "/chart-pressure.png");
    EXPECT_EQ(image.size(), QSize(1000, 250));
    const Colour line = t.app.chartModel.pressureSeaLevel().colour;
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            drawn += image.pixelColor(x, y) == QColor(line.red(), line.green(), line.blue());
        }
    }
    EXPECT_GT(drawn, 20) << "the sea-level pressure is drawn in red";
}

TEST_F(GraphsWindowTest, GuardarGraficasWithTheRealChartsWritesSixJpegs) {
    ChartPicturesView pictures;
    TestContext real({}, &pictures);
    real.app.graphsActions.Button1Click();
    EXPECT_TRUE(real.prompter.errors.isEmpty()) << real.prompter.errors.join('\n').toStdString();
    const QStringList jpegs = QDir(real.dir.path()).entryList({"_*.jpg"}, QDir::Files);
    ASSERT_EQ(jpegs.size(), 6);
    for (const QString& name : jpegs) {
        const JpegPicture picture = readJpegFile(real.dirPath(name));
        ASSERT_TRUE(picture.ok()) << picture.error.toStdString();
        EXPECT_EQ(picture.image.size(), QSize(1000, 250));
    }
    EXPECT_TRUE(QDir(real.dir.path()).entryList({"*.bmp"}, QDir::Files).isEmpty());
}

// The graphs window after the store was refilled from the real simulated station's 24 hours.
TEST(GraphsWindowStationTest, RefilledFromTheSimulatedStation) {
    QTemporaryDir dir;
    const QString link = dir.path() + "/ttyZAQ";
    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start(ZAQ_STATION_SIM, {"--pty", link, "--interval", "1", "--quiet"});
    ASSERT_TRUE(sim.waitForStarted());
    ASSERT_TRUE(waitForPtyLink(link));
    QElapsedTimer waited;
    waited.start();

    ChartPicturesView pictures;
    TestContext t(link, &pictures);
    t.clock.set(QDateTime::currentDateTime());
    WindowConstruction construction(t.app);
    construction.constructMainWindow();
    construction.constructSettingsWindow();
    t.keepFilesInside();
    t.app.settingsForm.CBmaster.checked = true;
    GraphsWindow window(t.app);
    t.app.actions.BGraficasClick();
    window.resize(1366, 740);
    t.app.timers.start();
    childShowing<QPushButton>(window, "Leer Datos 24h")->click();

    const auto filled = [&] {
        int count = 0;
        for (const GraphRecord& r : t.app.graphStore.records()) {
            count += r.pressureSeaLevel > 900;
        }
        return count;
    };
    while (filled() < 1430 && waited.elapsed() < 30000) {
        QEventLoop loop;
        QTimer::singleShot(50, &loop, &QEventLoop::quit);
        loop.exec();
    }
    sim.terminate();
    sim.waitForFinished(3000);
    ASSERT_GE(filled(), 1430);
    window.refresh();
    QXYSeries* temperature = seriesAt(window.chartView(ChartModel::Temperature).chart(), 0);
    ASSERT_EQ(temperature->count(), 1440);
    EXPECT_NE(temperature->at(10).y(), 0);
    screenshot(window, "graphs-window");

    childShowing<QPushButton>(window, "Guardar Graficas")->click();
    const QStringList jpegs = QDir(t.dir.path()).entryList({"_*.jpg"}, QDir::Files);
    EXPECT_EQ(jpegs.size(), 6);
    const JpegPicture saved = readJpegFile(t.dirPath("_lluvia_nubes.jpg"));
    ASSERT_TRUE(saved.ok()) << saved.error.toStdString();
    saved.image.save(QString(ZAQ_SCREENSHOTS) + "/saved-lluvia-nubes.png");
}

}  // namespace
}  // namespace zaq::test
