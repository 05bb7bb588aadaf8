// Date text in the user's regional format: what is written reads back to the
// second, for every year and every shape of short date and time.
#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

#include "datetext.h"
#include "datetext_patterns.h"

namespace {

using platform::CivilDateTime;
using platform::posix::DateTimeFormats;

struct NamedFormats {
    const char* name;
    DateTimeFormats formats;
};

// The short date and time formats of a range of locales, as nl_langinfo
// gives them: two- and four-digit years, every field order, 12-hour clocks,
// composite conversions and text around the numbers.
const std::vector<NamedFormats> kFormats = {
    {"C", {"%m/%d/%y", "%H:%M:%S"}},
    {"en_US", {"%m/%d/%Y", "%r"}},
    {"en_GB", {"%d/%m/%y", "%T"}},
    {"de_DE", {"%d.%m.%Y", "%T"}},
    {"ja_JP", {"%Y年%m月%d日", "%H時%M分%S秒"}},
    {"ISO", {"%F", "%T"}},
    {"composite", {"%D", "%I:%M:%S %p"}},
    {"unpadded", {"%-d/%-m/%y", "%-H:%M:%S"}},
};

const std::vector<CivilDateTime> kValues = {
    {2024, 1, 5, 10, 30, 15, 0},  {2024, 2, 29, 23, 59, 59, 0}, {1999, 12, 31, 0, 0, 1, 0},
    {1969, 1, 1, 12, 0, 0, 0},    {1968, 12, 31, 0, 0, 0, 0},   {2068, 7, 4, 12, 30, 0, 0},
    {2069, 1, 1, 1, 2, 3, 0},     {1850, 3, 15, 8, 5, 9, 0},    {2100, 6, 1, 13, 14, 15, 0},
    {1066, 10, 14, 9, 0, 0, 0},   {999, 1, 1, 0, 0, 0, 0},      {99, 5, 5, 5, 5, 5, 0},
    {1, 1, 1, 0, 0, 0, 0},        {9999, 12, 31, 23, 59, 59, 0}, {1899, 12, 30, 0, 0, 0, 0},
};

TEST(DateText, EveryValueReadsBackInEveryFormat) {
    for (const NamedFormats& f : kFormats) {
        for (const CivilDateTime& value : kValues) {
            for (bool withTime : {true, false}) {
                const std::string text = platform::posix::FormatDateTime(value, withTime, f.formats);
                const auto parsed = platform::posix::ParseDateTime(text, f.formats);
                ASSERT_TRUE(parsed) << f.name << ": '" << text << "' does not read back";
                EXPECT_TRUE(parsed->hasDate) << f.name << ": " << text;
                EXPECT_EQ(parsed->hasTime, withTime) << f.name << ": " << text;
                CivilDateTime expected = value;
                if (!withTime) expected.hour = expected.minute = expected.second = 0;
                EXPECT_EQ(parsed->value, expected) << f.name << ": " << text;
            }
        }
    }
}

TEST(DateText, WritesTheLocaleShapeWithTheYearInFull) {
    const CivilDateTime value{2024, 1, 5, 14, 7, 9, 0};
    const CivilDateTime early{24, 1, 5, 0, 0, 0, 0};
    EXPECT_EQ(platform::posix::FormatDateTime(value, true, kFormats[0].formats), "01/05/2024 14:07:09");
    EXPECT_EQ(platform::posix::FormatDateTime(value, true, kFormats[1].formats), "01/05/2024 02:07:09 PM");
    EXPECT_EQ(platform::posix::FormatDateTime(value, true, kFormats[3].formats), "05.01.2024 14:07:09");
    EXPECT_EQ(platform::posix::FormatDateTime(value, false, kFormats[4].formats), "2024年01月05日");
    EXPECT_EQ(platform::posix::FormatDateTime(early, false, kFormats[0].formats), "01/05/0024");
}

struct ReadCase {
    const char* text;
    bool reads;
    CivilDateTime value;
    bool hasDate;
    bool hasTime;
};

class ReadingCText : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadingCText, ReadsOrRefuses) {
    const ReadCase& c = GetParam();
    const auto parsed = platform::posix::ParseDateTime(c.text, kFormats[0].formats);
    ASSERT_EQ(parsed.has_value(), c.reads) << c.text;
    if (!c.reads) return;
    EXPECT_EQ(parsed->hasDate, c.hasDate);
    EXPECT_EQ(parsed->hasTime, c.hasTime);
    if (c.hasDate) {
        EXPECT_EQ(parsed->value, c.value);
    } else {
        EXPECT_EQ(parsed->value.hour, c.value.hour);
        EXPECT_EQ(parsed->value.minute, c.value.minute);
        EXPECT_EQ(parsed->value.second, c.value.second);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadingCText,
    testing::Values(
        // two-digit years, as a person types them, take the century window
        ReadCase{"01/05/24", true, {2024, 1, 5, 0, 0, 0, 0}, true, false},
        ReadCase{"01/05/69 10:00:00", true, {1969, 1, 5, 10, 0, 0, 0}, true, true},
        ReadCase{"1/5/7", true, {2007, 1, 5, 0, 0, 0, 0}, true, false},
        // a year written in four digits is that year
        ReadCase{"01/05/0024", true, {24, 1, 5, 0, 0, 0, 0}, true, false},
        ReadCase{"  01/05/2024 10:30:15  ", true, {2024, 1, 5, 10, 30, 15, 0}, true, true},
        ReadCase{"10:30:15", true, {1, 1, 1, 10, 30, 15, 0}, false, true},
        ReadCase{"", false, {}, false, false}, ReadCase{"   ", false, {}, false, false},
        ReadCase{"tomorrow", false, {}, false, false}, ReadCase{"02/30/2024", false, {}, false, false},
        ReadCase{"13/01/2024", false, {}, false, false}, ReadCase{"01/05/2024 25:00:00", false, {}, false, false},
        ReadCase{"01/05/2024 10:30:15 x", false, {}, false, false},
        ReadCase{"01/05/10000", false, {}, false, false}, ReadCase{"01/05/2024x", false, {}, false, false}));

// The user's own locale, generated by the test command: a four-digit and a
// two-digit short date.
class UserLocale : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        ASSERT_NE(std::setlocale(LC_TIME, GetParam()), nullptr)
            << GetParam() << " is not generated; the README's test command generates it";
    }
    void TearDown() override { std::setlocale(LC_TIME, "C.UTF-8"); }
};

TEST_P(UserLocale, ReadsBackWhatItWrites) {
    for (const CivilDateTime& value : kValues) {
        const std::string text = platform::FormatLocalDateTime(value, true);
        const auto parsed = platform::ParseLocalDateTime(text);
        ASSERT_TRUE(parsed) << GetParam() << ": " << text;
        EXPECT_EQ(parsed->value, value) << GetParam() << ": " << text;
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, UserLocale, testing::Values("en_US.UTF-8", "en_GB.UTF-8", "de_DE.UTF-8"));

TEST(UserLocaleShape, GermanShortDateWithTime) {
    ASSERT_NE(std::setlocale(LC_TIME, "de_DE.UTF-8"), nullptr);
    const std::string text = platform::FormatLocalDateTime({2024, 1, 5, 14, 7, 9, 0}, true);
    std::setlocale(LC_TIME, "C.UTF-8");
    EXPECT_EQ(text, "05.01.2024 14:07:09");
}

}  // namespace
