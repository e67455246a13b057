#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace zaq {

// Pictures in and out through libjpeg. A damaged or foreign file is an error with a text, never
// the end of the program: libjpeg's fatal errors come back here instead of calling exit().

// libjpeg's own default, used where no quality is prescribed.
inline constexpr int kDefaultJpegQuality = 75;

// A decoded picture, or a null image and the reason.
struct JpegPicture {
    QImage image;
    QString error;
    bool ok() const { return !image.isNull(); }
};

JpegPicture decodeJpeg(const QByteArray& bytes);
JpegPicture readJpegFile(const QString& path);

// The JPEG bytes of the picture, or empty bytes and the reason in error.
QByteArray encodeJpeg(const QImage& image, int quality, QString* error = nullptr);
// Encodes and replaces the file whole; false with the reason when either step fails.
bool writeJpegFile(const QString& path, const QImage& image, int quality, QString* error = nullptr);

}  // namespace zaq
