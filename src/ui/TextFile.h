#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

namespace zaq {

// The one way the program writes its files: Windows-1252 text with CR LF line ends, so the files
// are byte for byte those the station PC's readers expect.

// Windows-1252 bytes of the text, every "\n" written as "\r\n".
QByteArray textModeBytes(const QString& text);

bool fileExists(const QString& path);

// Appends the text in text mode, creating the file when missing; false when it cannot be opened
// or written.
bool appendText(const QString& path, const QString& text);
// Appends the text and one line end.
bool appendLine(const QString& path, const QString& line);
// Creates the file with the header when it does not exist yet. True only when this call created it.
bool createWithHeader(const QString& path, const QString& header);

// Replaces the whole file: the bytes go to a temporary file in the same directory, which is then
// renamed over the old one, so a reader never sees a half-written file.
inline constexpr QFileDevice::Permissions kPublicFile =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
    QFileDevice::ReadOther;
bool replaceFile(const QString& path, const QByteArray& bytes,
                 QFileDevice::Permissions permissions = kPublicFile);
bool replaceTextFile(const QString& path, const QString& text);

}  // namespace zaq
