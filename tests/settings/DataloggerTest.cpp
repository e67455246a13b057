#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "support/PtyPair.h"
#include "support/TestContext.h"

namespace zaq::test {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Today is 5 March 2015 on the fake clock.
struct DaysCase {
    QDate chosen;
    const char* days;
};

class DateChangeTest : public ::testing::TestWithParam<DaysCase> {};

TEST_P(DateChangeTest, CountsTheDaysUpToToday) {
    TestContext t;
    t.app.messagesForm.DTP1.date = GetParam().chosen;
    t.app.datalogger.DTP1Change();
    EXPECT_EQ(t.app.messagesForm.ENumDias.text, GetParam().days)
        << GetParam().chosen.toString().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Dates, DateChangeTest,
                         ::testing::Values(DaysCase{QDate(2015, 3, 5), "001"},
                                           DaysCase{QDate(2015, 1, 1), "064"},
                                           DaysCase{QDate(2014, 12, 20), "012"},
                                           DaysCase{QDate(2015, 3, 6), "000"},
                                           DaysCase{QDate(2013, 12, 20), "000"}));

// "Descargar": the refusals, and the three request forms.
struct RequestCase {
    const char* what;
    QDate from;
    const char* days;
    int kind;             // 0 Max, 1 Min, 2 10m
    const char* request;  // empty: refused with `refusal`
    const char* refusal;
};

class DownloadTest : public ::testing::TestWithParam<RequestCase> {};

TEST_P(DownloadTest, SendsTheRequestOrRefuses) {
    const RequestCase& c = GetParam();
    TestContext t;
    MessagesForm& f = t.app.messagesForm;
    f.DTP1.date = c.from;
    f.ENumDias.text = c.days;
    f.RGMaxMin.itemIndex = c.kind;
    t.app.datalogger.BDescargarClick();
    const auto sent = queued(t.app.queue);
    if (*c.request == '\0') {
        EXPECT_THAT(sent, IsEmpty()) << c.what;
        EXPECT_THAT(t.prompter.warnings, ElementsAre(QString::fromUtf8(c.refusal))) << c.what;
    } else {
        EXPECT_THAT(sent, ElementsAre(QByteArray(c.request))) << c.what;
        EXPECT_THAT(t.prompter.warnings, IsEmpty()) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, DownloadTest,
    ::testing::Values(
        RequestCase{"max", QDate(2015, 2, 1), "30", 0, "(&M032030)", ""},
        RequestCase{"min", QDate(2015, 2, 1), "030", 1, "(&m032030)", ""},
        RequestCase{"10m", QDate(2015, 2, 1), "30", 2, "(&1617210)", ""},
        RequestCase{"10m 142 days", QDate(2015, 1, 1), "142", 2, "(&1400994)", ""},
        RequestCase{"10m 143 days", QDate(2015, 1, 1), "143", 2, "",
                    "Descarga Maxima 120 dias para datos 10m."},
        RequestCase{"10m previous year, day added", QDate(2014, 12, 20), "2", 2, "(&3920014)", ""},
        RequestCase{"no days", QDate(2015, 2, 1), "000", 0, "", "Numero de dias debe ser > 0"},
        RequestCase{"negative days", QDate(2015, 2, 1), "-3", 0, "", "Numero de dias debe ser > 0"},
        RequestCase{"two years back", QDate(2013, 2, 1), "5", 0, "", "Año incorrecto"}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(DataloggerTest, TheMaximaComeWithTheirTitleAndColumnsAndOnlyOnTheMaster) {
    TestContext t;
    t.app.messagesForm.DTP1.date = QDate(2015, 2, 1);
    t.app.datalogger.BDescargarClick();
    EXPECT_THAT(t.lines(), Contains("Maximas"));
    EXPECT_EQ(t.lines().last(),
              " TCF Llu Nub BarC  BarA Plu PluAc luzD luzN  Tem  Hum Roc  AneT AneMd Ane DirM "
              "Bloq Dia       Fuente");
    t.app.settingsForm.CBmaster.checked = false;
    queued(t.app.queue);
    t.app.datalogger.BDescargarClick();
    EXPECT_THAT(queued(t.app.queue), IsEmpty());
    EXPECT_THAT(t.prompter.warnings, ElementsAre("Solo recepcion. PC Master deshabilitado."));
    t.app.settingsForm.CBmaster.checked = true;
    t.app.messagesForm.ENumDias.text = "tres";
    t.app.datalogger.BDescargarClick();
    EXPECT_EQ(t.prompter.errors.size(), 1);
}

// On the serial line the speed commands go straight to the port, which is reopened; the station
// speaking settles the caption. STOP also goes straight to the port.
TEST(DataloggerTest, SpeedAndStopOnTheSerialLine) {
    PtyPair pty;
    TestContext t(pty.device());
    t.app.serial.openSerial(9);
    t.app.flags.stationSpoke = false;
    Button& speed = t.app.messagesForm.BVelocidad;
    t.app.datalogger.BVelocidadClick();
    EXPECT_EQ(speed.text, "?");
    EXPECT_EQ(pty.read(), "(&057)");
    EXPECT_TRUE(t.app.serial.isOpen());
    t.app.datalogger.settleSpeed();
    EXPECT_EQ(speed.text, "?") << "the station has not spoken";
    t.app.flags.stationSpoke = true;
    t.app.datalogger.settleSpeed();
    EXPECT_EQ(speed.text, "57K6 bps");
    t.app.datalogger.BVelocidadClick();
    EXPECT_EQ(speed.text, "¿");
    EXPECT_EQ(pty.read(), "(&009)");
    t.app.datalogger.BVelocidadClick();
    EXPECT_EQ(speed.text, "?");
    t.app.datalogger.BstopDescargaClick();
    QCoreApplication::processEvents();
    EXPECT_EQ(pty.read(), "(q)");
    EXPECT_THAT(queued(t.app.queue), IsEmpty());
}

TEST(DataloggerTest, SpeedOverTheNetworkGoesThroughTheQueue) {
    TestContext t;
    t.app.config.networkMode = true;
    t.app.datalogger.BVelocidadClick();
    EXPECT_EQ(t.app.messagesForm.BVelocidad.text, "?");
    EXPECT_THAT(queued(t.app.queue), ElementsAre("(&057)"));
}

}  // namespace
}  // namespace zaq::test
