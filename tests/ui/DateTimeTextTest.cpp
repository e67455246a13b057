#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include "ui/DateTimeText.h"
#include "ui/DayCount.h"

namespace zaq {
namespace {

TEST(DateTimeTextTest, TimeTextIsShortDateAndLongTime) {
    EXPECT_EQ(timeText(QDateTime(QDate(2015, 3, 5), QTime(9, 7, 21))), "05/03/2015 9:07:21");
    EXPECT_EQ(timeText(QDateTime(QDate(2024, 12, 31), QTime(23, 0, 5))), "31/12/2024 23:00:05");
    EXPECT_EQ(timeText(QDateTime(QDate(2024, 1, 1), QTime(0, 0, 0))), "01/01/2024 0:00:00");
}

TEST(DateTimeTextTest, PaddedTimeHasTwoHourDigits) {
    EXPECT_EQ(paddedLongTimeText(QTime(9, 5, 0)), "09:05:00");
    EXPECT_EQ(paddedLongTimeText(QTime(14, 5, 9)), "14:05:09");
}

struct DayCountCase {
    QDateTime moment;
    double count;
};

class DayCountTest : public ::testing::TestWithParam<DayCountCase> {};

TEST_P(DayCountTest, CountsDaysSinceTheEpochBothWays) {
    const DayCountCase& c = GetParam();
    EXPECT_DOUBLE_EQ(toDayCount(c.moment), c.count);
    EXPECT_EQ(fromDayCount(c.count), c.moment);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DayCountTest,
    ::testing::Values(DayCountCase{QDateTime(QDate(1899, 12, 30), QTime(0, 0)), 0.0},
                      DayCountCase{QDateTime(QDate(1900, 1, 1), QTime(12, 0)), 2.5},
                      DayCountCase{QDateTime(QDate(2000, 1, 1), QTime(0, 0)), 36526.0},
                      DayCountCase{QDateTime(QDate(2015, 3, 5), QTime(6, 0)), 42068.25},
                      DayCountCase{QDateTime(QDate(2024, 6, 21), QTime(18, 0)), 45464.75}));

TEST(DayCountTest, ALastMillisecondRoundsIntoTheNextDay) {
    EXPECT_EQ(fromDayCount(42068.9999999999), QDateTime(QDate(2015, 3, 6), QTime(0, 0)));
}

TEST(DayCountTest, DamagedCountsGiveTheEpochInsteadOfOverflowing) {
    const QDateTime epoch(QDate(1899, 12, 30), QTime(0, 0));
    EXPECT_EQ(fromDayCount(1e300), epoch);
    EXPECT_EQ(fromDayCount(std::numeric_limits<double>::quiet_NaN()), epoch);
}

}  // namespace
}  // namespace zaq
