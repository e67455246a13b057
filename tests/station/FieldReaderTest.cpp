#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <cmath>

#include "station/FieldReader.h"
#include "station/SkyBrightness.h"

namespace zaq {
namespace {

struct IntegerCase {
    const char* text;
    int width;
    int value;
};

class ReadIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(ReadIntegerTest, ReadsLeadingDigitsInsideTheField) {
    EXPECT_EQ(readInteger(GetParam().text, GetParam().width), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadIntegerTest,
                         ::testing::Values(IntegerCase{"080", 3, 80}, IntegerCase{"-128", 4, -128},
                                           IntegerCase{"+138", 4, 138}, IntegerCase{"  12", 4, 12},
                                           IntegerCase{"1x2", 3, 1}, IntegerCase{"abc", 3, 0},
                                           IntegerCase{"12345", 3, 123}, IntegerCase{"--1", 3, 0},
                                           IntegerCase{"", 0, 0},
                                           IntegerCase{"9999999999999", 13, 1000000000}));

struct DecimalCase {
    const char* text;
    int width;
    double value;
};

class ReadDecimalTest : public ::testing::TestWithParam<DecimalCase> {};

TEST_P(ReadDecimalTest, ReadsTheCStyleDecimal) {
    EXPECT_DOUBLE_EQ(readDecimal(GetParam().text, GetParam().width), GetParam().value)
        << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadDecimalTest,
    ::testing::Values(DecimalCase{"+75.0", 5, 75.0}, DecimalCase{"-49.9", 5, -49.9},
                      DecimalCase{" 12.", 4, 12.0}, DecimalCase{".5", 2, 0.5},
                      DecimalCase{"1e2)", 4, 100.0}, DecimalCase{"1e)", 3, 1.0},
                      DecimalCase{"x1", 2, 0.0}, DecimalCase{"inf", 3, 0.0},
                      DecimalCase{"nan", 3, 0.0}, DecimalCase{"12,5", 4, 12.0},
                      DecimalCase{"1e-999", 6, 0.0}, DecimalCase{"12.345", 4, 12.3}));

TEST(ReadDecimalTest, OverflowReadsAsInfinity) {
    EXPECT_TRUE(std::isinf(readDecimal("1e999", 5)));
}

TEST(ReadPointBeforeLastTest, InsertsThePoint) {
    EXPECT_DOUBLE_EQ(readPointBeforeLast("1800", 4, 1), 180.0);
    EXPECT_DOUBLE_EQ(readPointBeforeLast("+138", 4, 1), 13.8);
    EXPECT_DOUBLE_EQ(readPointBeforeLast("1120", 4, 1), 112.0);
    EXPECT_DOUBLE_EQ(readPointBeforeLast("0", 1, 1), 0.0);
    EXPECT_DOUBLE_EQ(readPointBeforeLast("", 0, 1), 0.0);
}

struct SkyCase {
    float hz;
    float magnitude;
};

class SkyMagnitudeTest : public ::testing::TestWithParam<SkyCase> {};

TEST_P(SkyMagnitudeTest, UsesBaseTwoAndAHalf) {
    EXPECT_NEAR(skyMagnitudeFromHz(GetParam().hz), GetParam().magnitude, 5e-3);
}

INSTANTIATE_TEST_SUITE_P(Cases, SkyMagnitudeTest,
                         ::testing::Values(SkyCase{10.03f, 18.50f}, SkyCase{1.0f, 21.01f},
                                           SkyCase{230.0f, 15.08f}, SkyCase{0.0f, 24.0f},
                                           SkyCase{-3.0f, 24.0f},
                                           // above 230 MHz the magnitude would be negative
                                           SkyCase{3e8f, 24.0f}, SkyCase{1e-38f, 24.0f}));

TEST(SkyMagnitudeTest, FrequencyIsMantissaTimesTenToTheExponentInMillihertz) {
    EXPECT_NEAR(skyFrequencyHz(1003, 1), 10.03f, 1e-4);
    EXPECT_NEAR(skyFrequencyHz(1003, 0), 1.003f, 1e-5);
}

}  // namespace
}  // namespace zaq
