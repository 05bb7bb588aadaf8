// Which local dates and times exist.
#include <gtest/gtest.h>

#include "datetext.h"

namespace {

TEST(CivilDateTimeValidity, RejectsImpossibleDates) {
    EXPECT_TRUE(platform::IsValidCivilDateTime({2024, 2, 29, 23, 59, 59, 999}));
    EXPECT_FALSE(platform::IsValidCivilDateTime({2023, 2, 29, 0, 0, 0, 0}));
    EXPECT_FALSE(platform::IsValidCivilDateTime({0, 1, 1, 0, 0, 0, 0}));
    EXPECT_FALSE(platform::IsValidCivilDateTime({10000, 1, 1, 0, 0, 0, 0}));
    EXPECT_FALSE(platform::IsValidCivilDateTime({2024, 1, 1, 24, 0, 0, 0}));
    EXPECT_FALSE(platform::IsValidCivilDateTime({2024, 1, 1, 0, 0, 0, 1000}));
}

}  // namespace
