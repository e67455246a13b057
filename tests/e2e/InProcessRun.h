#pragma once

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QThread>
#include <QTimer>
#include <functional>
#include <memory>

#include "core/WindowConstruction.h"
#include "support/SimulatorLink.h"
#include "support/TestContext.h"

namespace zaq::test {

// The program's logic in this process with its timers running, on the serial line (or the
// network adapter) of the real simulated station running the scenario.
class InProcessRun : public ::testing::Test {
  protected:
    // Starts both; `prepare` sets what the test needs before the timers start.
    void start(const QByteArray& scenario, const std::function<void(AppContext&)>& prepare,
               bool overTcp = false) {
        QFile file(dir.path() + "/scenario.txt");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(scenario);
        file.close();
        QObject::connect(&sim, &QProcess::readyReadStandardError,
                         [this] { simLog += sim.readAllStandardError(); });
        const QStringList line = overTcp ? QStringList{"--tcp", "0", "--bind", "127.0.0.1"}
                                         : QStringList{"--pty", link()};
        sim.start(ZAQ_STATION_SIM,
                  line + QStringList{"--interval", "1", "--scenario", file.fileName()});
        ASSERT_TRUE(sim.waitForStarted());
        const int port = overTcp ? listeningPort() : 0;
        ASSERT_TRUE(overTcp ? port > 0 : waitForPtyLink(link()));

        t = std::make_unique<TestContext>(overTcp ? QString() : link());
        WindowConstruction construction(t->app);
        construction.constructMainWindow();
        construction.constructSettingsWindow();
        t->keepFilesInside();
        prepare(t->app);
        if (overTcp) {
            t->app.config.networkMode = true;
            t->app.config.stationAddress = "127.0.0.1";
            t->app.config.stationPort = QString::number(port);
            t->pinger.answers["127.0.0.1"] = true;
            t->app.link.checkStation();
            t->app.link.connectStation();
        }
        t->app.timers.start();
        clock.start();
    }

    void TearDown() override {
        sim.terminate();
        sim.waitForFinished(3000);
    }

    QString link() const { return dir.path() + "/ttyZAQ"; }

    int listeningPort() {
        for (int i = 0; i < 200 && simulatorPort(simLog) == 0; ++i) {
            QCoreApplication::processEvents();
            QThread::msleep(25);
        }
        return simulatorPort(simLog);
    }

    // Runs the event loop until the condition holds or the time is up.
    bool waitUntil(const std::function<bool()>& condition, qint64 untilMs) {
        while (clock.elapsed() < untilMs) {
            if (condition()) {
                return true;
            }
            QEventLoop loop;
            QTimer::singleShot(50, &loop, &QEventLoop::quit);
            loop.exec();
        }
        return condition();
    }
    // How often the station received the command; several may share a line of its log.
    int received(const QByteArray& command) const {
        int n = 0;
        for (const QByteArray& line : simLog.split('\n')) {
            if (line.contains("<- ")) {
                n += static_cast<int>(line.count(command));
            }
        }
        return n;
    }
    int sent(const QByteArray& text) const { return simLog.count("-> " + text); }

    QTemporaryDir dir;
    QProcess sim;
    QByteArray simLog;
    std::unique_ptr<TestContext> t;
    QElapsedTimer clock;
};

}  // namespace zaq::test
