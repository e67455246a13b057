#pragma once

#include <QDir>
#include <QWidget>

namespace zaq::test {

// Saves what the window shows into the build tree's screenshots, to be looked at.
inline QString screenshot(QWidget& window, const QString& name) {
    QDir().mkpath(ZAQ_SCREENSHOTS);
    const QString path = QString(ZAQ_SCREENSHOTS) + "/" + name + ".png";
    window.grab().save(path);
    return path;
}

}  // namespace zaq::test
