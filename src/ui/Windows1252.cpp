#include "ui/Windows1252.h"

#include <array>

namespace zaq {
namespace {

// Characters of the bytes 0x80 to 0x9F.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t charOf(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

int byteOf(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return c;
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

}  // namespace

QString decodeWindows1252(const char* bytes, qsizetype length) {
    QString text(length, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < length; ++i) {
        out[i] = QChar(charOf(static_cast<unsigned char>(bytes[i])));
    }
    return text;
}

QString decodeWindows1252(const QByteArray& bytes) {
    return decodeWindows1252(bytes.constData(), bytes.size());
}

QByteArray encodeWindows1252(const QString& text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = byteOf(text[i].unicode());
        bytes[i] = static_cast<char>(b < 0 ? '?' : b);
    }
    return bytes;
}

}  // namespace zaq
