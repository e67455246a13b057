#include "settings/ConfigImage.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "station/FieldReader.h"
#include "ui/Windows1252.h"

namespace zaq {

void ConfigImage::writeBytes(int offset, int width, const QByteArray& bytes) {
    const int end = std::min(kSize, offset + width);
    for (int i = offset; i < end; ++i) {
        const int at = i - offset;
        bytes_[static_cast<std::size_t>(i)] = at < bytes.size() ? bytes[at] : '\0';
    }
}

void ConfigImage::writeFlag(int offset, bool on) {
    writeChar(offset, on ? '1' : '0');
}

bool ConfigImage::readFlag(int offset) const {
    return readDecimal(offset, 1) == 1;
}

void ConfigImage::writeText(int offset, int width, const QString& text) {
    writeBytes(offset, width, encodeWindows1252(text).left(width));
}

QString ConfigImage::readText(int offset, int width) const {
    const char* start = bytes_.data() + offset;
    const int length =
        static_cast<int>(strnlen(start, static_cast<std::size_t>(std::min(width, kSize - offset))));
    return decodeWindows1252(start, length);
}

void ConfigImage::writeZeroTerminated(int offset, int spaces, int maxChars, const QString& text) {
    writeBytes(offset, spaces, QByteArray(spaces, ' '));
    writeChar(offset + spaces, '\0');
    const QByteArray bytes = encodeWindows1252(text).left(maxChars);
    writeBytes(offset, static_cast<int>(bytes.size()) + 1, bytes);
}

QString ConfigImage::readZeroTerminated(int offset, int maxChars) const {
    return readText(offset, maxChars);
}

int ConfigImage::readDecimal(int offset, int width) const {
    return readInteger(bytes_.data() + offset, std::min(width, kSize - offset));
}

double ConfigImage::readNumber(int offset, int width) const {
    return zaq::readDecimal(bytes_.data() + offset, std::min(width, kSize - offset));
}

void ConfigImage::writeScaled(int offset, int width, double value, int scale) {
    const double scaled = std::trunc(value * scale);
    const int v = static_cast<int>(std::clamp(scaled, -99999999.0, 99999999.0));
    writeBytes(offset, width, QString::asprintf("%03d", v).toLatin1().left(width));
}

double ConfigImage::readScaled(int offset, int width, int scale) const {
    return static_cast<double>(readDecimal(offset, width)) / scale;
}

QByteArray ConfigImage::fileBytes() const {
    QByteArray file;
    file.reserve(kSize + 4);
    for (const char c : bytes_) {
        if (c == '\n') {
            file += '\r';
        }
        file += c;
    }
    return file;
}

void ConfigImage::loadFileBytes(const QByteArray& file) {
    int at = 0;
    for (qsizetype i = 0; i < file.size() && at < kSize; ++i) {
        if (file[i] == '\r' && i + 1 < file.size() && file[i + 1] == '\n') {
            continue;
        }
        bytes_[static_cast<std::size_t>(at++)] = file[i];
    }
}

}  // namespace zaq
