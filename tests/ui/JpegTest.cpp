#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

#include "ui/Jpeg.h"

namespace zaq {
namespace {

QImage quarters(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool right = x >= width / 2;
            const bool low = y >= height / 2;
            image.setPixelColor(x, y,
                                low ? (right ? Qt::white : Qt::black)
                                    : (right ? QColor(0, 0, 255) : QColor(255, 0, 0)));
        }
    }
    return image;
}

// Colours survive a JPEG within the loss of a quality-90 picture.
void expectNear(QColor actual, QColor expected) {
    EXPECT_NEAR(actual.red(), expected.red(), 12) << actual.name().toStdString();
    EXPECT_NEAR(actual.green(), expected.green(), 12) << actual.name().toStdString();
    EXPECT_NEAR(actual.blue(), expected.blue(), 12) << actual.name().toStdString();
}

QByteArray validJpeg() {
    return encodeJpeg(quarters(64, 32), 90);
}

// A JPEG as Adobe programs write CMYK: four inverted channels.
QByteArray cmykJpeg(const unsigned char pixel[4], int size) {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long length = 0;
    jpeg_mem_dest(&info, &buffer, &length);
    info.image_width = info.image_height = static_cast<JDIMENSION>(size);
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(size) * 4);
    for (int x = 0; x < size; ++x) {
        std::copy(pixel, pixel + 4, row.begin() + x * 4);
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(length));
    std::free(buffer);
    return bytes;
}

TEST(JpegTest, EncodedPicturesDecodeWithTheirSizeAndColours) {
    const QByteArray bytes = validJpeg();
    ASSERT_TRUE(bytes.startsWith("\xFF\xD8")) << "SOI marker";
    const JpegPicture picture = decodeJpeg(bytes);
    ASSERT_TRUE(picture.ok()) << picture.error.toStdString();
    EXPECT_EQ(picture.image.size(), QSize(64, 32));
    expectNear(picture.image.pixelColor(8, 4), QColor(255, 0, 0));
    expectNear(picture.image.pixelColor(56, 4), QColor(0, 0, 255));
    expectNear(picture.image.pixelColor(8, 28), Qt::black);
    expectNear(picture.image.pixelColor(56, 28), Qt::white);
}

TEST(JpegTest, QualityChangesTheSize) {
    const QImage image = quarters(160, 120);
    EXPECT_LT(encodeJpeg(image, 20).size(), encodeJpeg(image, 95).size());
}

TEST(JpegTest, GreyAndCmykPicturesAreReadAsWell) {
    QImage grey(16, 16, QImage::Format_Grayscale8);
    grey.fill(QColor(128, 128, 128));
    const JpegPicture g = decodeJpeg(encodeJpeg(grey.convertToFormat(QImage::Format_RGB32), 90));
    ASSERT_TRUE(g.ok());

    const unsigned char red[4] = {255, 0, 0, 255};  // inverted: no cyan, full magenta and yellow
    const JpegPicture c = decodeJpeg(cmykJpeg(red, 16));
    ASSERT_TRUE(c.ok()) << c.error.toStdString();
    EXPECT_EQ(c.image.size(), QSize(16, 16));
    expectNear(c.image.pixelColor(8, 8), QColor(255, 0, 0));
}

struct BadBytes {
    const char* name;
    QByteArray bytes;
    const char* errorStart;
};

class JpegRefusalTest : public ::testing::TestWithParam<BadBytes> {};

TEST_P(JpegRefusalTest, IsAnErrorWithATextNotACrash) {
    const JpegPicture picture = decodeJpeg(GetParam().bytes);
    EXPECT_FALSE(picture.ok());
    EXPECT_TRUE(picture.image.isNull());
    EXPECT_TRUE(picture.error.startsWith(QLatin1String(GetParam().errorStart)))
        << picture.error.toStdString();
}

QByteArray withHugeDimensions() {
    QByteArray bytes = validJpeg();
    const qsizetype sof = bytes.indexOf("\xFF\xC0");
    bytes[sof + 5] = bytes[sof + 7] = '\xFF';  // height and width become 65 000 and more
    bytes[sof + 6] = bytes[sof + 8] = '\x00';
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JpegRefusalTest,
    ::testing::Values(BadBytes{"empty", QByteArray(), "Fichero JPEG vacio"},
                      BadBytes{"bitmap", QByteArray("BM\x36\x00\x00\x00", 6), "JPEG no valido: "},
                      BadBytes{"text", QByteArray("<html>no hay foto</html>"), "JPEG no valido: "},
                      BadBytes{"header only", validJpeg().left(20), "JPEG no valido: "},
                      BadBytes{"huge", withHugeDimensions(), "Imagen JPEG demasiado grande"}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST(JpegTest, APictureCutShortStillDecodesToItsSize) {
    const QByteArray whole = validJpeg();
    const qsizetype scan = whole.indexOf("\xFF\xDA");
    ASSERT_GT(scan, 0);
    // Half of the compressed data is missing: libjpeg fills the rest and warns.
    const JpegPicture picture = decodeJpeg(whole.left(scan + (whole.size() - scan) / 2));
    ASSERT_TRUE(picture.ok()) << picture.error.toStdString();
    EXPECT_EQ(picture.image.size(), QSize(64, 32));
}

class JpegFileTest : public ::testing::Test {
  protected:
    QString path(const QString& name) const { return dir.path() + u'/' + name; }
    QTemporaryDir dir;
};

TEST_F(JpegFileTest, WrittenFilesReadBackAndReplaceTheOldOneWhole) {
    ASSERT_TRUE(writeJpegFile(path("a.jpg"), quarters(64, 32), 90));
    ASSERT_TRUE(writeJpegFile(path("a.jpg"), quarters(32, 16), 90));
    const JpegPicture picture = readJpegFile(path("a.jpg"));
    ASSERT_TRUE(picture.ok());
    EXPECT_EQ(picture.image.size(), QSize(32, 16));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.jpg"});
}

TEST_F(JpegFileTest, FailuresSayWhichFile) {
    QString error;
    EXPECT_FALSE(writeJpegFile(path("no/dir/a.jpg"), quarters(8, 8), 90, &error));
    EXPECT_EQ(error, "No se puede guardar " + path("no/dir/a.jpg"));
    EXPECT_FALSE(writeJpegFile(path("b.jpg"), QImage(), 90, &error));
    EXPECT_EQ(error, "No hay imagen que convertir a JPEG");
    EXPECT_FALSE(QFile::exists(path("b.jpg")));

    EXPECT_EQ(readJpegFile(path("missing.jpg")).error, "No se puede abrir " + path("missing.jpg"));
    QFile text(path("baner-b.jpg"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("no es una foto");
    text.close();
    const JpegPicture picture = readJpegFile(path("baner-b.jpg"));
    EXPECT_FALSE(picture.ok());
    EXPECT_TRUE(picture.error.endsWith(" (" + path("baner-b.jpg") + ")"));
}

}  // namespace
}  // namespace zaq
