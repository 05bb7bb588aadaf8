// TDateTime: days since 1899-12-30 with the time of day as the fraction, and
// its text in the project file.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "DateTime.h"

namespace fq {
namespace {

using platform::CivilDateTime;

struct CalendarCase {
    double value;
    CivilDateTime civil;
};

class Calendar : public testing::TestWithParam<CalendarCase> {};

TEST_P(Calendar, EncodesAndDecodes) {
    const CalendarCase& c = GetParam();
    EXPECT_DOUBLE_EQ(EncodeDateTime(c.civil), c.value);
    const auto decoded = DecodeDateTime(c.value);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(*decoded, c.civil);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Calendar,
    testing::Values(CalendarCase{0.0, {1899, 12, 30, 0, 0, 0, 0}}, CalendarCase{1.25, {1899, 12, 31, 6, 0, 0, 0}},
                    CalendarCase{2.0, {1900, 1, 1, 0, 0, 0, 0}},
                    // before the epoch the fraction still counts forward from midnight
                    CalendarCase{-1.25, {1899, 12, 29, 6, 0, 0, 0}}, CalendarCase{-1.0, {1899, 12, 29, 0, 0, 0, 0}},
                    CalendarCase{45296.4375, {2024, 1, 5, 10, 30, 0, 0}}, CalendarCase{25569.0, {1970, 1, 1, 0, 0, 0, 0}},
                    CalendarCase{-693593.0, {1, 1, 1, 0, 0, 0, 0}}, CalendarCase{2958465.0, {9999, 12, 31, 0, 0, 0, 0}}));

TEST(Calendar, DecodingRoundsToTheMillisecond) {
    const double value = EncodeDateTime({2024, 2, 29, 23, 59, 59, 999});
    EXPECT_EQ(*DecodeDateTime(value), (CivilDateTime{2024, 2, 29, 23, 59, 59, 999}));
    EXPECT_EQ(*DecodeDateTime(value + 0.4 / 86400000.0), (CivilDateTime{2024, 2, 29, 23, 59, 59, 999}));
}

TEST(Calendar, ValuesOutsideTheYearsOneTo9999HaveNoDate) {
    for (double value : {-693594.0, 2958466.0, 1e300, -1e300, std::nan(""), std::numeric_limits<double>::infinity()}) {
        EXPECT_FALSE(DecodeDateTime(value)) << value;
        EXPECT_EQ(DateTimeToText(value), "") << value;
    }
}

TEST(DateText, LeavesOutTheTimeOnlyAtMidnight) {
    EXPECT_EQ(DateTimeToText(EncodeDateTime({2024, 1, 5, 0, 0, 0, 0})), "01/05/2024");
    EXPECT_EQ(DateTimeToText(EncodeDateTime({2024, 1, 5, 0, 0, 1, 0})), "01/05/2024 00:00:01");
    EXPECT_EQ(DateTimeToText(EncodeDateTime({2024, 1, 5, 0, 0, 0, 400})), "01/05/2024 00:00:00");
    EXPECT_EQ(DateTimeToText(EncodeDateTime({1850, 7, 1, 13, 5, 9, 0})), "07/01/1850 13:05:09");
}

TEST(DateText, ATimeAloneIsOnTheFirstDay) {
    double value = -1;
    ASSERT_TRUE(TextToDateTime("06:00:00", value));
    EXPECT_DOUBLE_EQ(value, 0.25);
    ASSERT_TRUE(TextToDateTime("01/05/2024", value));
    EXPECT_DOUBLE_EQ(value, 45296.0);
    EXPECT_FALSE(TextToDateTime("not a date", value));
    EXPECT_DOUBLE_EQ(value, 45296.0) << "a failed conversion leaves the value";
}

TEST(DateText, ReadsBackToTheSecondOverTheWholeCalendar) {
    for (const CivilDateTime& civil : {CivilDateTime{1, 1, 1, 0, 0, 1, 0}, CivilDateTime{1066, 10, 14, 9, 30, 0, 0},
                                       CivilDateTime{1899, 12, 29, 18, 0, 0, 0}, CivilDateTime{1968, 5, 6, 7, 8, 9, 0},
                                       CivilDateTime{2069, 12, 31, 23, 59, 59, 0}, CivilDateTime{9999, 12, 31, 23, 59, 59, 0}}) {
        CivilDateTime withMilliseconds = civil;
        withMilliseconds.millisecond = 678;
        double back = 0;
        ASSERT_TRUE(TextToDateTime(DateTimeToText(EncodeDateTime(withMilliseconds)), back));
        EXPECT_EQ(back, EncodeDateTime(civil)) << DateTimeToText(EncodeDateTime(civil));
    }
}

TEST(Now, IsTodayToTheMillisecond) {
    const double now = Now();
    const auto civil = DecodeDateTime(now);
    ASSERT_TRUE(civil);
    EXPECT_GE(civil->year, 2024);
    EXPECT_NE(now, std::floor(now)) << "Now carries the time of day";
}

}  // namespace
}  // namespace fq
