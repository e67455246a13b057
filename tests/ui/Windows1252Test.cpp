#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include "ui/Windows1252.h"

namespace zaq {
namespace {

TEST(Windows1252Test, EveryByteSurvivesTheRoundTrip) {
    QByteArray all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    const QString text = decodeWindows1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(encodeWindows1252(text), all);
}

TEST(Windows1252Test, SpanishLettersAndSignsAreTheirCharacters) {
    EXPECT_EQ(decodeWindows1252(QByteArray("\xD1\xF1\xBA\xB2\x80", 5)), QStringLiteral("Ññº²€"));
    EXPECT_EQ(encodeWindows1252(QStringLiteral("Configuración ºC")),
              QByteArray("Configuraci\xF3n \xBA"
                         "C"));
}

TEST(Windows1252Test, CharactersOutsideTheSetBecomeQuestionMarks) {
    EXPECT_EQ(encodeWindows1252(QStringLiteral("a\u20B9b")), QByteArray("a?b"));
}

}  // namespace
}  // namespace zaq
