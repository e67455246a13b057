#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <memory>

#include "support/TestContext.h"

namespace zaq::test {
namespace {

// A wind record of the WMR968 kind: its inner layout is the station's, the feed never reads it.
const QByteArray kRecord = QByteArray::fromHex("ffff000c0a123400451267");

// The feed on a free loopback-reachable port, driven by the dispatcher and the pump's check.
class WeatherDisplayFeedTest : public ::testing::Test {
  protected:
    WeatherDisplayFeedTest() { t.app.wdFeed.startWeatherDisplayFeed(); }

    // Connected, and accepted by the feed.
    std::unique_ptr<QTcpSocket> connectClient() {
        auto client = std::make_unique<QTcpSocket>();
        client->connectToHost(QHostAddress::LocalHost, t.app.wdFeed.serverPort());
        spinUntil([&] {
            return client->state() == QAbstractSocket::ConnectedState && t.app.wdFeed.wdConnected();
        });
        spinUntil([] { return false; }, 100);
        return client;
    }
    void spinUntil(const std::function<bool()>& done, int ms = 3000) {
        QElapsedTimer waited;
        waited.start();
        while (!done() && waited.elapsed() < ms) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
    }
    // What the client has received once the feed has had time to send (0: nothing expected).
    QByteArray received(QTcpSocket& client, qsizetype expected) {
        QByteArray bytes;
        spinUntil(
            [&] {
                bytes += client.readAll();
                return expected > 0 && bytes.size() >= expected;
            },
            expected > 0 ? 3000 : 200);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        return bytes + client.readAll();
    }
    void tickAfter(qint64 ms) {
        t.clock.advanceMs(ms);
        t.app.wdFeed.weatherDisplaySendCheck();
    }

    TestContext t;
};

// One window: the record, a second 0xFF that does not restart it, and a text message, all in one
// send at the first tick after a second; what follows the window is not captured.
TEST_F(WeatherDisplayFeedTest, AWindowCarriesRecordsAndTextOfItsSecondInOneSend) {
    auto client = connectClient();
    EXPECT_EQ(t.app.mainForm.LledWD.fontColour, colours::green);
    EXPECT_EQ(t.app.settingsForm.LdirIP_WD.text, "WD:  127.0.0.1");

    t.feed(kRecord);
    tickAfter(600);
    t.feed(kRecord + "(Cerrado)");
    tickAfter(400);
    EXPECT_EQ(received(*client, 0), QByteArray()) << "a window lasts more than 1000 ms";
    tickAfter(100);
    EXPECT_EQ(received(*client, 31), kRecord + kRecord + "(Cerrado)");
    EXPECT_TRUE(t.app.flags.closingAlarm) << "the text also reaches the dispatcher";

    t.feed("(Placa v2)");
    tickAfter(1100);
    EXPECT_EQ(received(*client, 0), QByteArray());
}

TEST_F(WeatherDisplayFeedTest, OnlyTheFirstClientReceivesAndNoClientDiscards) {
    t.feed(kRecord);
    tickAfter(1100);  // no client yet: discarded
    auto first = connectClient();
    auto second = connectClient();
    t.feed(kRecord);
    tickAfter(1100);
    EXPECT_EQ(received(*first, kRecord.size()), kRecord);
    EXPECT_EQ(received(*second, 0), QByteArray());
}

// At 57600 bit/s a second brings more than the buffer holds: all of it goes on, in order.
TEST_F(WeatherDisplayFeedTest, MoreThanTheBufferInOneWindowIsAllForwarded) {
    auto client = connectClient();
    QByteArray burst;
    while (burst.size() < 5700) {
        burst += kRecord + "(a2222)";
    }
    for (qsizetype at = 0; at < burst.size(); at += 576) {
        t.feed(burst.mid(at, 576));
        tickAfter(100);
    }
    tickAfter(100);
    EXPECT_EQ(received(*client, burst.size()), burst);
}

TEST_F(WeatherDisplayFeedTest, ADisconnectGreysTheIndicators) {
    auto client = connectClient();
    client->disconnectFromHost();
    spinUntil([&] { return !t.app.wdFeed.wdConnected(); });
    EXPECT_EQ(t.app.mainForm.LledWD.fontColour, colours::grey);
    EXPECT_EQ(t.app.settingsForm.LdirIP_WD.text, "WD -.-.-.- ");
}

}  // namespace
}  // namespace zaq::test
