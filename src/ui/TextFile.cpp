#include "ui/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "ui/Windows1252.h"

namespace zaq {

QByteArray textModeBytes(const QString& text) {
    const QByteArray raw = encodeWindows1252(text);
    QByteArray bytes;
    bytes.reserve(raw.size() + raw.count('\n'));
    for (const char c : raw) {
        if (c == '\n') {
            bytes += '\r';
        }
        bytes += c;
    }
    return bytes;
}

bool fileExists(const QString& path) {
    return QFileInfo(path).isFile();
}

bool appendText(const QString& path, const QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        return false;
    }
    const QByteArray bytes = textModeBytes(text);
    return file.write(bytes) == bytes.size();
}

bool appendLine(const QString& path, const QString& line) {
    return appendText(path, line + u'\n');
}

bool createWithHeader(const QString& path, const QString& header) {
    if (fileExists(path)) {
        return false;
    }
    return appendText(path, header);
}

bool replaceFile(const QString& path, const QByteArray& bytes,
                 QFileDevice::Permissions permissions) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    // The temporary file gets the final permissions before it takes the file's name.
    if (!file.setPermissions(permissions) || file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool replaceTextFile(const QString& path, const QString& text) {
    return replaceFile(path, textModeBytes(text));
}

}  // namespace zaq
