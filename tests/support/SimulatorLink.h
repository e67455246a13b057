#pragma once

#include <QElapsedTimer>
#include <QFileInfo>
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

}  // namespace zaq::test
