#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <vector>

#include "core/AppContext.h"
#include "support/FakeClock.h"
#include "support/FakePlatform.h"
#include "support/QtPrinters.h"
#include "ui/Windows1252.h"

namespace zaq::test {

// The program's state on a fake clock, with its files in a fresh temporary directory.
struct TestContext {
    // The charts are drawn by the fake unless the test hands in the real drawing.
    explicit TestContext(QString serialDevice = {}, ChartPictures* chartPictures = nullptr)
        : app({clock, prompter, pinger, sound, chartPictures ? *chartPictures : pictures, shutdown,
               http},
              {dir.path() + u'/', std::move(serialDevice), 0}) {
        keepFilesInside();
    }

    // Loading a configuration puts the directories back to "./": the test's files stay in its
    // temporary directory all the same.
    void keepFilesInside() {
        app.config.graphsDirectory = dir.path() + u'/';
        app.config.dataDirectory = dir.path() + u'/';
    }

    void feed(const QByteArray& bytes) {
        app.dispatcher.feedStationBytes(bytes.constData(), static_cast<int>(bytes.size()));
    }
    const QStringList& lines() const { return app.messagesForm.Mhistory.lines; }

    // The station's network adapter played by a server on loopback: the program's client
    // connected to it, or null.
    QTcpSocket* connectToAdapter(QTcpServer& server) {
        if (!server.listen(QHostAddress::LocalHost)) {
            return nullptr;
        }
        app.config.stationAddress = "127.0.0.1";
        app.config.stationPort = QString::number(server.serverPort());
        app.link.connectStation();
        if (!server.waitForNewConnection(2000)) {
            return nullptr;
        }
        QTcpSocket* peer = server.nextPendingConnection();
        QElapsedTimer waited;
        waited.start();
        while (!app.client.connected() && waited.elapsed() < 2000) {
            QCoreApplication::processEvents();
        }
        return app.client.connected() ? peer : nullptr;
    }
    // The lines without the activity log's "Creado: " notices.
    QStringList shownLines() const {
        QStringList shown;
        for (const QString& line : lines()) {
            if (!line.startsWith(QStringLiteral("Creado: "))) {
                shown << line;
            }
        }
        return shown;
    }
    QString dirPath(const QString& name) const { return dir.path() + u'/' + name; }

    // The entries of this month's activity log after their "-> " (header lines left out).
    QStringList logEntries() const {
        QFile file(app.activityLog.fileName(clock.now().date()));
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        QStringList entries;
        for (const QString& line :
             decodeWindows1252(file.readAll()).split(QStringLiteral("\r\n"))) {
            const qsizetype arrow = line.indexOf(QStringLiteral("-> "));
            if (arrow >= 0) {
                entries << line.mid(arrow + 3);
            }
        }
        return entries;
    }

    QTemporaryDir dir;
    FakeClock clock;
    ScriptedPrompter prompter;
    FakePinger pinger;
    FakeSoundPlayer sound;
    FakeChartPictures pictures;
    RecordingShutdown shutdown;
    FakeHttpClient http;
    AppContext app;
};

// A file's bytes, "<missing>" when it cannot be read.
inline QByteArray fileContents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The queue from the newest command down: the order the station receives them.
inline std::vector<QByteArray> queued(CommandQueue& q) {
    std::vector<QByteArray> order;
    while (q.count() > 0) {
        order.push_back(q.top());
        q.pop();
    }
    return order;
}

}  // namespace zaq::test
