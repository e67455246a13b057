// Any bytes offered as a picture (a camera's answer, a banner template): decoding them gives a
// picture or an error text, never a crash, an exit or a read outside the bytes.
#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "ui/Jpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const zaq::JpegPicture picture = zaq::decodeJpeg(bytes);
    // A picture comes without an error text, a refusal always with one.
    if (picture.ok() != picture.error.isEmpty()) {
        __builtin_trap();
    }
    if (picture.ok()) {
        zaq::encodeJpeg(picture.image.scaled(16, 16), 50);
    }
    return 0;
}
