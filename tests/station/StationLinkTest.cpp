#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include "support/PtyPair.h"
#include "support/StationText.h"
#include "support/TestContext.h"

namespace zaq::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The link with its serial line on a pseudo-terminal.
class StationLinkTest : public ::testing::Test {
  protected:
    StationLinkTest() : t(pty.device()) {
        t.app.serial.openSerial(9);
        t.app.flags.startupDone = true;
    }

    void pump(int ticks = 1) {
        for (int i = 0; i < ticks; ++i) {
            QCoreApplication::processEvents();
            t.app.link.pumpTick();
        }
        QCoreApplication::processEvents();
    }
    QByteArray sent() {
        QCoreApplication::processEvents();
        return pty.read();
    }
    void silence() { t.app.flags.stationSpoke = false; }
    int count(const QString& text) const { return static_cast<int>(t.lines().count(text)); }
    QString stamped(const char* text) const {
        return "05/03/2015 9:07:21" + QString::fromLatin1(text);
    }

    PtyPair pty;
    TestContext t;
};

TEST_F(StationLinkTest, TheSerialLineIsOpen) {
    EXPECT_TRUE(t.app.serial.isOpen());
}

// The settings save port 0 (data over the network) after port 1: the old line is let go.
TEST_F(StationLinkTest, APortNumberOfZeroClosesTheLineOpenedBefore) {
    ASSERT_TRUE(t.app.serial.isOpen());
    t.app.config.serialPort = 0;
    t.app.serial.openSerial(9);
    EXPECT_FALSE(t.app.serial.isOpen());
    pty.write(exampleDataMessage());
    pump(3);
    EXPECT_FALSE(t.app.readings.readingsValid);
    t.app.link.sendNow("(y)");
    EXPECT_EQ(sent(), "");
}

TEST_F(StationLinkTest, TheNewestCommandIsSentFirstWhenTheStationSpeaks) {
    t.app.queue.enqueueCommand("(X001)");
    t.app.queue.enqueueCommand("(y)");
    pump();
    EXPECT_EQ(sent(), "(y)");
    pump();
    EXPECT_EQ(sent(), QByteArray());
    t.feed("(12:00:00)");
    pump();
    EXPECT_EQ(sent(), "(X001)");
}

TEST_F(StationLinkTest, WithSixtyQueuedTheNextSendIsSlotFifty) {
    for (int i = 1; i <= 60; ++i) {
        t.app.queue.enqueueCommand("(" + QByteArray::number(i) + ")");
    }
    pump();
    EXPECT_EQ(sent(), "(50)");
    EXPECT_EQ(t.app.queue.count(), 49);
}

TEST_F(StationLinkTest, MasterSilentForTenSecondsWithCommandsPendingReportsOnceAndRestarts) {
    silence();
    t.app.queue.enqueueCommand("( )");
    pump(100);
    EXPECT_THAT(t.shownLines(), IsEmpty());
    pump();
    EXPECT_EQ(count(stamped("  ZAQ no responde")), 1);
    EXPECT_EQ(t.app.queue.count(), 0);
    EXPECT_FALSE(t.app.flags.startupDone);
    EXPECT_EQ(t.app.mainForm.LRx.fontColour, colours::red);
    EXPECT_TRUE(t.app.safety.limitsExceeded);
    EXPECT_FALSE(t.app.safety.openingPermitted);
    EXPECT_TRUE(t.app.messagesForm.window.visible);
    EXPECT_THAT(t.logEntries(), ElementsAre(stamped("  ZAQ no responde ")));

    // Still silent: the next commands are tried, but no second report.
    t.app.flags.startupDone = true;
    pump();  // the silence rule let one command through
    t.app.queue.enqueueCommand("( )");
    pump(120);
    EXPECT_EQ(count(stamped("  ZAQ no responde")), 1);

    // The station speaks again: reported once.
    t.feed(exampleDataMessage());
    pump(5);
    t.feed(exampleDataMessage());
    pump(5);
    EXPECT_EQ(count(stamped("  ZAQ responde OK")), 1);
    EXPECT_EQ(t.app.mainForm.LRx.fontColour, colours::paleGreen);
}

TEST_F(StationLinkTest, AMasterWithAnEmptyQueueCountsNoSilence) {
    silence();
    pump(150);
    EXPECT_THAT(t.shownLines(), IsEmpty());
}

TEST_F(StationLinkTest, ListenOnlyPcReportsSilenceButDoesNotRestart) {
    t.app.settingsForm.CBmaster.checked = false;
    t.app.settingsForm.CBAlarmaAcustica.checked = true;
    silence();
    t.app.queue.enqueueCommand("(X001)");
    pump(101);
    EXPECT_EQ(count(stamped("  ZAQ no responde")), 1);
    EXPECT_TRUE(t.app.flags.startupDone);
    EXPECT_TRUE(t.app.flags.noResponseAlarm);
    EXPECT_EQ(t.app.queue.count(), 0);
    EXPECT_EQ(sent(), QByteArray());  // a listen-only PC never sends
    t.feed("(Apagado)");
    pump();
    EXPECT_FALSE(t.app.flags.noResponseAlarm);
}

TEST_F(StationLinkTest, SerialInputIsReadAtMostAThousandBytesATick) {
    QByteArray traffic;
    for (int i = 0; i < 15; ++i) {
        traffic += exampleDataMessage();  // 1245 bytes
    }
    pty.write(traffic);
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 500) {
        QCoreApplication::processEvents();
    }
    t.app.link.pumpTick();
    EXPECT_EQ(t.app.sums.sampleCount, 12);  // 1000 bytes: twelve whole messages
    t.app.link.pumpTick();
    EXPECT_EQ(t.app.sums.sampleCount, 15);
}

TEST_F(StationLinkTest, PresenceEveryTickAndTheExtremesRequestAtTheTwentieth) {
    for (int i = 1; i <= 20; ++i) {
        t.app.link.presenceTick();
        EXPECT_EQ(t.app.queue.top(), i == 20 ? "(@01373)" : "( )") << i;
    }
}

TEST_F(StationLinkTest, AListenOnlyPcSendsNoPresence) {
    t.app.settingsForm.CBmaster.checked = false;
    t.app.link.presenceTick();
    EXPECT_EQ(t.app.queue.count(), 0);
}

TEST_F(StationLinkTest, AFailedInternetCheckWithholdsPresenceUntilThreeReports) {
    t.app.settingsForm.CBPingInternet.checked = true;
    t.app.settingsForm.EPingInternet.text = "internet.example";
    t.clock.set(QDateTime(QDate(2015, 3, 5), QTime(10, 56, 0)));
    t.app.link.presenceTick();
    EXPECT_EQ(t.app.mainForm.LPing.text, "Fallo");
    EXPECT_THAT(t.pinger.pinged, ElementsAre("internet.example"));
    t.clock.advanceMs(8000);
    t.app.link.presenceTick();
    EXPECT_EQ(t.app.queue.count(), 0);
    EXPECT_EQ(t.pinger.pinged.size(), 1);  // once in the hour
    t.feed("(t000)(t000)");
    t.app.link.presenceTick();
    EXPECT_EQ(t.app.queue.count(), 0);
    t.feed("(t000)");
    t.app.link.presenceTick();
    EXPECT_EQ(t.app.queue.top(), "( )");
    EXPECT_EQ(t.app.mainForm.LPing.text, "Espera");
    EXPECT_EQ(t.app.flags.pingFailCount, 0);
    EXPECT_THAT(t.logEntries(), ElementsAre("Activado WatchDog LCD por Fallo de Ping "));
}

TEST_F(StationLinkTest, AGoodInternetCheckShowsOk) {
    t.app.settingsForm.CBPingInternet.checked = true;
    t.app.settingsForm.EPingInternet.text = "internet.example";
    t.pinger.answers["internet.example"] = true;
    t.clock.set(QDateTime(QDate(2015, 3, 5), QTime(10, 56, 0)));
    t.app.link.presenceTick();
    EXPECT_EQ(t.app.mainForm.LPing.text, "OK");
    EXPECT_EQ(t.app.queue.top(), "( )");
}

TEST_F(StationLinkTest, NetworkModePingsUntilTheStationIsDetected) {
    t.app.config.networkMode = true;
    t.app.config.stationAddress = "10.1.2.3";
    t.app.link.presenceTick();
    t.pinger.answers["10.1.2.3"] = true;
    t.app.link.presenceTick();
    t.app.link.presenceTick();
    EXPECT_THAT(t.pinger.pinged, ElementsAre("10.1.2.3", "10.1.2.3"));
    EXPECT_TRUE(t.app.link.stationDetected());
}

// The station's network adapter on loopback, with the program's client connected to it; null
// when the connection did not come up.
TEST(ClientSocketTest, ReadsOfMoreThan2200BytesAreNoiseAndErrorsGoToTheList) {
    TestContext t;
    QTcpServer server;
    QElapsedTimer waited;
    waited.start();
    QTcpSocket* peer = t.connectToAdapter(server);
    ASSERT_NE(peer, nullptr);

    peer->write(exampleDataMessage());
    peer->waitForBytesWritten(1000);
    while (t.app.sums.sampleCount < 1 && waited.elapsed() < 4000) {
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(t.app.sums.sampleCount, 1);

    t.app.link.setStationDetected(true);
    t.app.link.sendNow("(y)");
    while (peer->bytesAvailable() < 3 && waited.elapsed() < 4000) {
        QCoreApplication::processEvents();
        peer->waitForReadyRead(10);
    }
    EXPECT_EQ(peer->readAll(), "(y)");

    // A burst that has all arrived before the client reads: one read of more than 2200 bytes.
    QByteArray burst;
    while (burst.size() <= 2200) {
        burst += exampleDataMessage();
    }
    peer->write(burst);
    peer->waitForBytesWritten(1000);
    QThread::msleep(100);
    while (!t.lines().contains("Ruido ") && waited.elapsed() < 6000) {
        QCoreApplication::processEvents();
    }
    EXPECT_TRUE(t.lines().contains("Ruido "));
    EXPECT_EQ(t.app.sums.sampleCount, 1);

    peer->abort();
    t.app.config.stationPort = "1";  // nobody listens there
    t.app.link.connectStation();
    while (!t.lines().contains("ClientSocket ZAQ Error ") && waited.elapsed() < 8000) {
        QCoreApplication::processEvents();
    }
    EXPECT_TRUE(t.lines().contains("ClientSocket ZAQ Error "));
    EXPECT_FALSE(t.app.client.connected());
}

TEST(ClientSocketTest, TheAdapterClosingTheConnectionIsADisconnectNotAnError) {
    TestContext t;
    QTcpServer server;
    QElapsedTimer waited;
    waited.start();
    QTcpSocket* peer = t.connectToAdapter(server);
    ASSERT_NE(peer, nullptr);
    peer->disconnectFromHost();
    while (t.app.client.connected() && waited.elapsed() < 4000) {
        QCoreApplication::processEvents();
    }
    EXPECT_FALSE(t.app.client.connected());
    EXPECT_FALSE(t.lines().contains("ClientSocket ZAQ Error "));
}

}  // namespace
}  // namespace zaq::test
