#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFile>

#include "support/StationText.h"
#include "support/TestContext.h"

namespace zaq::test {
namespace {

using ::testing::Contains;
using ::testing::Not;

// A supply limit of 11.5 V with AutoShutdown ticked; each live message is one evaluation.
class BatteryWatchTest : public ::testing::Test {
  protected:
    BatteryWatchTest() {
        ClosingLimits& l = t.app.config.limits;
        l = {30, 50, 18.0f, 250, 250, 250, 11.5f};
        t.app.settingsForm.CBAutoShutDawn.checked = true;
    }
    // The supply byte carries tenths of a volt: 109 is 10.9 V.
    void live(int tenths, int times = 1, const QByteArray& rainToday = "1120") {
        QByteArray message = withField(exampleDataMessage(), 3, QByteArray(1, char(tenths)));
        message = withField(message, 25, rainToday);
        for (int i = 0; i < times; ++i) {
            t.feed(message);
        }
    }
    int count() const { return t.app.batteryWatch.batteryLowCount(); }
    QString rainSummary() const { return t.dirPath("pluviometria.txt"); }

    TestContext t;
};

TEST_F(BatteryWatchTest, HalfAVoltBelowTheLimitIsNotCounted) {
    live(110, 40);
    EXPECT_EQ(t.app.mainForm.Lvfuente.fontColour, colours::red);
    EXPECT_FALSE(t.app.safety.openingPermitted);
    EXPECT_EQ(count(), 0);
    EXPECT_EQ(t.shutdown.requests, 0);
}

TEST_F(BatteryWatchTest, TheCountdownWarnsTwiceAndShutsDownAtTheThirtySixth) {
    live(109, 2);
    EXPECT_TRUE(t.shownLines().isEmpty());
    live(109);
    EXPECT_THAT(t.shownLines(),
                ::testing::ElementsAre(" ",
                                       "05/03/2015 9:07:21 Bateria Muy Baja, el PC se apagara en "
                                       "3 minutos.",
                                       "Para detener el apagado desactivar AutoShutDown."));
    EXPECT_TRUE(t.app.messagesForm.window.visible);
    EXPECT_TRUE(t.app.flags.closingAlarm);
    live(109, 21);
    const QString warning = "Bateria Muy Baja: 10,9v  En 1 minuto Apagado Automatico.";
    EXPECT_THAT(t.shownLines(), Contains(warning));
    live(109, 11);
    EXPECT_EQ(t.shutdown.requests, 0);
    EXPECT_FALSE(QFile::exists(rainSummary()));
    live(109);
    EXPECT_EQ(t.shutdown.requests, 1);
    EXPECT_THAT(t.shownLines(), Contains("Apagando el PC por Bateria en: 10,9v"));
    EXPECT_THAT(t.logEntries(), Contains(warning + " "));
    EXPECT_THAT(t.logEntries(), Contains("Apagando el PC por Bateria en: 10,9v "));
    EXPECT_TRUE(QFile::exists(rainSummary())) << "112 mm of rain today are recorded first";
}

TEST_F(BatteryWatchTest, WithoutRainTodayNoRainSummaryBeforeTheShutdown) {
    live(109, 36, "0000");
    EXPECT_EQ(t.shutdown.requests, 1);
    EXPECT_FALSE(QFile::exists(rainSummary()));
}

struct CancelCase {
    const char* name;
    int tenths;
    bool untick;
    const char* shown;  // empty: nothing said
    const char* logged;
};

class CountdownCancelTest : public BatteryWatchTest,
                            public ::testing::WithParamInterface<CancelCase> {};

TEST_P(CountdownCancelTest, AtThirtyTheCountdownStops) {
    const CancelCase& c = GetParam();
    live(109, 30);
    ASSERT_EQ(count(), 30);
    const qsizetype before = t.shownLines().size();
    t.app.settingsForm.CBAutoShutDawn.checked = !c.untick;
    live(c.tenths);
    EXPECT_EQ(count(), 0);
    EXPECT_FALSE(t.app.flags.closingAlarm);
    const QStringList said = t.shownLines().mid(before);
    if (*c.shown == '\0') {
        EXPECT_TRUE(said.isEmpty()) << said.join(" | ").toStdString();
    } else {
        EXPECT_THAT(said, ::testing::ElementsAre(c.shown));
        EXPECT_THAT(t.logEntries(), Contains(QString(c.logged) + " "));
    }
    live(109, 35);
    EXPECT_EQ(t.shutdown.requests, 0) << "the countdown started again from 0";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CountdownCancelTest,
    ::testing::Values(CancelCase{"Recovered", 112, false,
                                 "Bateria Recuperada, Cancelado Apagando Automatico del PC.",
                                 "Bateria Recuperada, Cancelado Apagando Automatico del PC."},
                      CancelCase{"AboveTheLimit", 116, false, "", ""},
                      CancelCase{"Unticked", 109, true,
                                 "Desactivado Manual Apagando Automatico del PC.",
                                 "Apagando Automatico del PC Desactivado Manualmente."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zaq::test
