#include "ui/Jpeg.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

#include "ui/TextFile.h"

namespace zaq {
namespace {

// Pictures beyond this are refused before any memory is taken for them: a damaged header may
// claim 65500 × 65500 pixels.
constexpr unsigned long kMaxPixels = 40UL * 1000 * 1000;
// A progressive picture with more scans than this is damaged or hostile, and slow to read.
constexpr int kMaxScans = 500;
// A picture file larger than this is not read.
constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;

// libjpeg's fatal errors jump back to the call that started the work, with their text.
struct ErrorTrap {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char text[JMSG_LENGTH_MAX];
};

[[noreturn]] void leaveOnError(j_common_ptr info) {
    auto* trap = reinterpret_cast<ErrorTrap*>(info->err);
    (*info->err->format_message)(info, trap->text);
    std::longjmp(trap->jump, 1);
}

// Warnings of damaged data are not printed on the program's standard error.
void keepQuiet(j_common_ptr) {}

void installTrap(ErrorTrap& trap) {
    jpeg_std_error(&trap.manager);
    trap.manager.error_exit = leaveOnError;
    trap.manager.output_message = keepQuiet;
    trap.text[0] = '\0';
}

void limitScans(j_common_ptr info) {
    if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxScans) {
        auto* trap = reinterpret_cast<ErrorTrap*>(info->err);
        std::snprintf(trap->text, sizeof trap->text, "mas de %d pasadas", kMaxScans);
        std::longjmp(trap->jump, 1);
    }
}

QString trapText(const ErrorTrap& trap) {
    return QString::fromLatin1(trap.text);
}

J_COLOR_SPACE outputSpaceFor(J_COLOR_SPACE input) {
    switch (input) {
        case JCS_GRAYSCALE:
            return JCS_GRAYSCALE;
        case JCS_CMYK:
        case JCS_YCCK:
            return JCS_CMYK;
        default:
            return JCS_RGB;
    }
}

QImage::Format imageFormatFor(J_COLOR_SPACE output) {
    return output == JCS_GRAYSCALE ? QImage::Format_Grayscale8 : QImage::Format_RGB888;
}

// Adobe writes CMYK inverted; one scan line of it becomes RGB in place of the picture's row.
void cmykToRgb(const JSAMPLE* cmyk, uchar* rgb, JDIMENSION width) {
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
        const int k = cmyk[3];
        rgb[0] = static_cast<uchar>(cmyk[0] * k / 255);
        rgb[1] = static_cast<uchar>(cmyk[1] * k / 255);
        rgb[2] = static_cast<uchar>(cmyk[2] * k / 255);
    }
}

// The scan lines into the picture. Runs between setjmp and a possible longjmp, so it holds no
// object with a destructor of its own.
void readScanLines(jpeg_decompress_struct& info, QImage& image, JSAMPLE* cmykRow) {
    while (info.output_scanline < info.output_height) {
        uchar* row = image.scanLine(static_cast<int>(info.output_scanline));
        JSAMPROW target = cmykRow != nullptr ? cmykRow : row;
        jpeg_read_scanlines(&info, &target, 1);
        if (cmykRow != nullptr) {
            cmykToRgb(cmykRow, row, info.output_width);
        }
    }
}

struct Decoding {
    jpeg_decompress_struct info;
    ErrorTrap trap;
    jpeg_progress_mgr progress;
    QImage image;
    JSAMPLE* cmykRow = nullptr;
    bool tooLarge = false;
};

bool decodeInto(Decoding& d, const QByteArray& bytes) {
    d.info.err = &d.trap.manager;
    if (setjmp(d.trap.jump) != 0) {
        return false;
    }
    jpeg_create_decompress(&d.info);
    d.progress.progress_monitor = limitScans;
    d.info.progress = &d.progress;
    jpeg_mem_src(&d.info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&d.info, TRUE);
    d.info.out_color_space = outputSpaceFor(d.info.jpeg_color_space);
    jpeg_calc_output_dimensions(&d.info);
    if (static_cast<unsigned long>(d.info.output_width) * d.info.output_height > kMaxPixels) {
        d.tooLarge = true;
        return false;
    }
    jpeg_start_decompress(&d.info);
    d.image = QImage(static_cast<int>(d.info.output_width), static_cast<int>(d.info.output_height),
                     imageFormatFor(d.info.out_color_space));
    if (d.image.isNull()) {
        d.tooLarge = true;
        return false;
    }
    if (d.info.out_color_space == JCS_CMYK) {
        d.cmykRow = static_cast<JSAMPLE*>(std::malloc(d.info.output_width * 4U));
    }
    readScanLines(d.info, d.image, d.cmykRow);
    jpeg_finish_decompress(&d.info);
    return true;
}

struct Encoding {
    jpeg_compress_struct info;
    ErrorTrap trap;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
};

bool encodeInto(Encoding& e, const QImage& rgb, int quality) {
    e.info.err = &e.trap.manager;
    if (setjmp(e.trap.jump) != 0) {
        return false;
    }
    jpeg_create_compress(&e.info);
    jpeg_mem_dest(&e.info, &e.buffer, &e.size);
    e.info.image_width = static_cast<JDIMENSION>(rgb.width());
    e.info.image_height = static_cast<JDIMENSION>(rgb.height());
    e.info.input_components = 3;
    e.info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&e.info);
    jpeg_set_quality(&e.info, quality, TRUE);
    jpeg_start_compress(&e.info, TRUE);
    while (e.info.next_scanline < e.info.image_height) {
        auto* row = const_cast<JSAMPLE*>(rgb.constScanLine(static_cast<int>(e.info.next_scanline)));
        jpeg_write_scanlines(&e.info, &row, 1);
    }
    jpeg_finish_compress(&e.info);
    return true;
}

void setError(QString* error, const QString& text) {
    if (error != nullptr) {
        *error = text;
    }
}

}  // namespace

JpegPicture decodeJpeg(const QByteArray& bytes) {
    if (bytes.isEmpty()) {
        return {{}, QStringLiteral("Fichero JPEG vacio")};
    }
    Decoding d;
    installTrap(d.trap);
    const bool decoded = decodeInto(d, bytes);
    jpeg_destroy_decompress(&d.info);
    std::free(d.cmykRow);
    if (decoded) {
        return {d.image, {}};
    }
    if (d.tooLarge) {
        return {{}, QStringLiteral("Imagen JPEG demasiado grande")};
    }
    return {{}, QStringLiteral("JPEG no valido: ") + trapText(d.trap)};
}

JpegPicture readJpegFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {{}, QStringLiteral("No se puede abrir ") + path};
    }
    if (file.size() > kMaxFileBytes) {
        return {{}, QStringLiteral("Imagen JPEG demasiado grande: ") + path};
    }
    JpegPicture picture = decodeJpeg(file.readAll());
    if (!picture.ok()) {
        picture.error += QStringLiteral(" (") + path + u')';
    }
    return picture;
}

QByteArray encodeJpeg(const QImage& image, int quality, QString* error) {
    if (image.isNull()) {
        setError(error, QStringLiteral("No hay imagen que convertir a JPEG"));
        return {};
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    Encoding e;
    installTrap(e.trap);
    const bool encoded = encodeInto(e, rgb, quality);
    jpeg_destroy_compress(&e.info);
    QByteArray bytes;
    if (encoded) {
        bytes = QByteArray(reinterpret_cast<const char*>(e.buffer), static_cast<qsizetype>(e.size));
    } else {
        setError(error, QStringLiteral("Error al convertir a JPEG: ") + trapText(e.trap));
    }
    std::free(e.buffer);
    return bytes;
}

bool writeJpegFile(const QString& path, const QImage& image, int quality, QString* error) {
    const QByteArray bytes = encodeJpeg(image, quality, error);
    if (bytes.isEmpty()) {
        return false;
    }
    if (!replaceFile(path, bytes)) {
        setError(error, QStringLiteral("No se puede guardar ") + path);
        return false;
    }
    return true;
}

}  // namespace zaq
