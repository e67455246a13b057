#pragma once

#include <QByteArray>
#include <QString>

namespace zaq {

// The station's and the files' 8-bit text. Every byte maps to one character and back; the five
// bytes that Windows-1252 leaves undefined map to the C1 control of the same code.
QString decodeWindows1252(const QByteArray& bytes);
QString decodeWindows1252(const char* bytes, qsizetype length);
// Characters outside the set become "?".
QByteArray encodeWindows1252(const QString& text);

}  // namespace zaq
