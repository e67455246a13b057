#pragma once

#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QString>
#include <QThread>

namespace zaq::test {

// The simulated station makes its pseudo-terminal link shortly after it starts; false when it
// has not appeared within five seconds.
inline bool waitForPtyLink(const QString& link) {
    QElapsedTimer waited;
    waited.start();
    while (!QFileInfo(link).isSymLink() && waited.elapsed() < 5000) {
        QThread::msleep(20);
    }
    return QFileInfo(link).isSymLink();
}

// The TCP port the simulated station says it listens on in its log, or 0 before it has said so.
inline int simulatorPort(const QString& log) {
    static const QRegularExpression listening(QStringLiteral("listening on [0-9.]+:(\\d+)"));
    return listening.match(log).captured(1).toInt();
}

}  // namespace zaq::test
