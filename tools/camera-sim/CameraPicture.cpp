#include "CameraPicture.h"

#include <jpeglib.h>

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QTime>
#include <cstdio>
#include <vector>

namespace zaqsim {
namespace {

QByteArray encode(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(image.width());
    info.image_height = static_cast<JDIMENSION>(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 85, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto* row = const_cast<JSAMPLE*>(image.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return bytes;
}

}  // namespace

QByteArray CameraPicture::jpeg(const QString& name, int hue) {
    QImage card(kWidth, kHeight, QImage::Format_RGB32);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            card.setPixelColor(
                x, y, QColor::fromHsv(hue, 120 + (x * 100) / kWidth, 60 + (y * 150) / kHeight));
        }
    }
    QPainter painter(&card);
    painter.setPen(Qt::white);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(40);
    painter.setFont(font);
    painter.drawText(QRect(0, 40, kWidth, 60), Qt::AlignCenter, name);
    font.setPixelSize(28);
    painter.setFont(font);
    painter.drawText(QRect(0, 130, kWidth, 50), Qt::AlignCenter,
                     QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
    painter.end();
    return encode(card);
}

}  // namespace zaqsim
