#pragma once

#include <QByteArray>
#include <QString>
#include <array>

namespace zaq {

// The 1000-byte image of "zaq.cfg": character fields at fixed offsets. Bytes no field uses are
// kept as they are. Writers never pass the end of their field.
class ConfigImage {
  public:
    static constexpr int kSize = 1000;

    // '1' ticked, '0' not; on reading only a value of 1 is on.
    void writeFlag(int offset, bool on);
    bool readFlag(int offset) const;

    void writeChar(int offset, char c) { bytes_[static_cast<std::size_t>(offset)] = c; }
    char charAt(int offset) const { return bytes_[static_cast<std::size_t>(offset)]; }

    // Exactly `width` bytes: the text cut to the width, padded with zero bytes.
    void writeText(int offset, int width, const QString& text);
    // Up to the first zero byte, at most `width` characters.
    QString readText(int offset, int width) const;

    // The first `spaces` bytes become blanks and the next a zero, then the text and its zero.
    // The text is cut to `maxChars`, what the reader takes back.
    void writeZeroTerminated(int offset, int spaces, int maxChars, const QString& text);
    QString readZeroTerminated(int offset, int maxChars) const;

    int readDecimal(int offset, int width) const;
    double readNumber(int offset, int width) const;

    // "%03d" of value × scale truncated toward zero, cut to `width` characters.
    void writeScaled(int offset, int width, double value, int scale);
    double readScaled(int offset, int width, int scale) const;

    // The file's bytes: the image with every 0x0A written as 0x0D 0x0A, as a text-mode write does.
    QByteArray fileBytes() const;
    // Reads a file's bytes back (0x0D 0x0A pairs as 0x0A); a shorter file leaves the rest.
    void loadFileBytes(const QByteArray& file);

    const std::array<char, kSize>& bytes() const { return bytes_; }

  private:
    void writeBytes(int offset, int width, const QByteArray& bytes);

    std::array<char, kSize> bytes_{};
};

}  // namespace zaq
