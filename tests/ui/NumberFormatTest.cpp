#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <limits>

#include "ui/NumberFormat.h"

namespace zaq {
namespace {

struct NumberCase {
    double value;
    int precision;
    int decimals;
    const char* expected;
};

class FormatNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(FormatNumberTest, WritesTheSpanishLocaleText) {
    const NumberCase& c = GetParam();
    EXPECT_EQ(formatNumber(c.value, c.precision, c.decimals).toStdString(), c.expected)
        << c.value << " (" << c.precision << "," << c.decimals << ")";
}

INSTANTIATE_TEST_SUITE_P(Cases, FormatNumberTest,
                         ::testing::Values(
                             // the examples of the program's texts
                             NumberCase{1020.0, 5, 1, "1.020,0"}, NumberCase{8.0, 4, 0, "8"},
                             NumberCase{940.8, 4, 1, "940,8"}, NumberCase{13.8, 4, 1, "13,8"},
                             NumberCase{18.4964, 4, 2, "18,50"}, NumberCase{213.1f, 4, 1, "213,1"},
                             NumberCase{-12.8, 4, 1, "-12,8"}, NumberCase{1.25, 5, 3, "1,250"},
                             // grouping
                             NumberCase{1234567.0, 9, 2, "1.234.567,00"},
                             NumberCase{999.0, 5, 1, "999,0"},
                             NumberCase{-1020.0, 5, 1, "-1.020,0"},
                             // rounding: half away from zero, and to the significant digits
                             NumberCase{12.5, 4, 0, "13"}, NumberCase{-12.5, 4, 0, "-13"},
                             NumberCase{0.15, 4, 1, "0,2"}, NumberCase{2.675, 4, 2, "2,68"},
                             NumberCase{1013.25, 4, 1, "1.013,0"}, NumberCase{99.96, 4, 1, "100,0"},
                             NumberCase{0.04, 4, 1, "0,0"}, NumberCase{-0.04, 4, 1, "0,0"},
                             NumberCase{0.06, 4, 1, "0,1"}, NumberCase{0.0, 4, 2, "0,00"},
                             NumberCase{160.0, 3, 0, "160"}, NumberCase{150.0, 3, 0, "150"},
                             // more integer digits than the precision: scientific notation
                             NumberCase{123456.0, 5, 1, "1,2346E5"},
                             NumberCase{1013.2, 3, 1, "1,01E3"}, NumberCase{99999.9, 5, 1, "1E5"},
                             NumberCase{-52000.0, 4, 0, "-5,2E4"}));

struct GeneralCase {
    double value;
    const char* expected;
};

class FormatGeneralTest : public ::testing::TestWithParam<GeneralCase> {};

TEST_P(FormatGeneralTest, WritesTheShortestText) {
    EXPECT_EQ(formatGeneral(GetParam().value).toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatGeneralTest,
    ::testing::Values(GeneralCase{11.5, "11,5"}, GeneralCase{78.0, "78"},
                      GeneralCase{115 * 0.1, "11,5"}, GeneralCase{0.0, "0"},
                      GeneralCase{-5.2, "-5,2"}, GeneralCase{23.4567, "23,4567"},
                      GeneralCase{0.1 + 0.2, "0,3"}, GeneralCase{1.0 / 3.0, "0,333333333333333"},
                      GeneralCase{0.00001, "0,00001"}, GeneralCase{0.000001, "1E-6"},
                      GeneralCase{1.5e-7, "1,5E-7"},
                      GeneralCase{123456789012345.0, "123456789012345"}, GeneralCase{1e15, "1E15"},
                      GeneralCase{1e16, "1E16"}, GeneralCase{-2.5e20, "-2,5E20"},
                      GeneralCase{10.9f, "10,8999996185303"}, GeneralCase{1245.0, "1245"}));

TEST(FormatNumberTest, NonFiniteValuesHaveTexts) {
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::quiet_NaN(), 4, 1), "NAN");
    EXPECT_EQ(formatGeneral(std::numeric_limits<double>::infinity()), "INF");
    EXPECT_EQ(formatNumber(-std::numeric_limits<double>::infinity(), 4, 1), "-INF");
}

}  // namespace
}  // namespace zaq
