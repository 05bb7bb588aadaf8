// Date text through the Windows locale functions: what is written reads
// back for every year from 1 to 9999, in the locales the system has and in
// shapes no installed locale has; what a person types reads as they mean it.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include "datetext.h"
#include "datetext_locale_win.h"

namespace {

using platform::CivilDateTime;
using platform::win::CurrentFormats;
using platform::win::FormatsWithPictures;
using platform::win::LocaleFormats;

// A different date and time of day for every year, leap days and the
// first and last moments of the calendar included.
std::vector<CivilDateTime> EveryYear() {
    std::vector<CivilDateTime> values;
    for (int year = 1; year <= 9999; ++year)
        values.push_back({year, 1 + year * 7 % 12, 1 + year * 13 % 28, year * 5 % 24, year * 11 % 60, year * 17 % 60, 0});
    for (int year : {4, 400, 1600, 2000, 2024}) values.push_back({year, 2, 29, 12, 0, 0, 0});
    values.push_back({1, 1, 1, 0, 0, 0, 0});
    values.push_back({1600, 12, 31, 23, 59, 59, 0});
    values.push_back({1601, 1, 1, 0, 0, 0, 0});
    values.push_back({9999, 12, 31, 23, 59, 59, 0});
    return values;
}

void ExpectEveryYearReadsBack(const LocaleFormats& formats, const std::string& name) {
    static const std::vector<CivilDateTime> values = EveryYear();
    for (const CivilDateTime& value : values) {
        for (bool withTime : {true, false}) {
            const std::string text = platform::win::FormatDateTime(value, withTime, formats);
            const auto parsed = platform::win::ParseDateTime(text, formats);
            ASSERT_TRUE(parsed) << name << ": '" << text << "' does not read back";
            ASSERT_TRUE(parsed->hasDate) << name << ": " << text;
            ASSERT_EQ(parsed->hasTime, withTime) << name << ": " << text;
            CivilDateTime expected = value;
            if (!withTime) expected.hour = expected.minute = expected.second = 0;
            ASSERT_EQ(parsed->value, expected) << name << ": " << text;
        }
    }
}

std::string Utf8(const std::wstring& wide) {
    std::string text(wide.size() * 4, '\0');
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(),
                                           static_cast<int>(text.size()), nullptr, nullptr);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

// Locales whose default calendar is the Gregorian one, with every order of
// the fields, designators before and after the time and without a blank,
// text around the numbers and unpadded fields.
class InstalledLocale : public testing::TestWithParam<const wchar_t*> {};

TEST_P(InstalledLocale, ReadsBackEveryYear) {
    const LocaleFormats formats = CurrentFormats(GetParam());
    ASSERT_FALSE(formats.shortDate.empty()) << Utf8(GetParam()) << " is unknown";
    ExpectEveryYearReadsBack(formats, Utf8(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Locales, InstalledLocale,
                         testing::Values(L"en-US", L"en-GB", L"de-DE", L"fr-FR", L"ja-JP", L"ko-KR", L"zh-TW", L"hu-HU",
                                         L"bg-BG", L"fi-FI", L"nl-NL", L"sv-SE", L"tr-TR", L"he-IL", L"el-GR",
                                         L"es-MX", L"ta-IN", L"yo-NG", L"lv-LV", L"sq-AL"));

TEST(UserLocale, ReadsBackEveryYear) {
    ExpectEveryYearReadsBack(CurrentFormats(LOCALE_NAME_USER_DEFAULT), "the user's locale");
}

struct Pictures {
    const wchar_t* locale;
    const wchar_t* shortDate;
    const wchar_t* time;
};

// Shapes of short date and time that a user may set: two-digit and
// one-digit years, month and day names, quoted text, the era, a one-letter
// designator.
class CustomPictures : public testing::TestWithParam<Pictures> {};

TEST_P(CustomPictures, ReadBackEveryYear) {
    const Pictures& p = GetParam();
    ExpectEveryYearReadsBack(FormatsWithPictures(p.locale, p.shortDate, p.time), Utf8(p.shortDate));
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, CustomPictures,
    testing::Values(Pictures{L"en-US", L"M/d/yy", L"h:mm:ss tt"}, Pictures{L"en-GB", L"dd/MM/y", L"HH:mm:ss"},
                    Pictures{L"en-US", L"dd-MMM-yyyy", L"hh:mm:ss t"},
                    Pictures{L"en-US", L"dddd, MMMM d, yyyy", L"HH:mm:ss"},
                    Pictures{L"de-DE", L"d. MMMM yy", L"HH:mm:ss 'Uhr'"},
                    Pictures{L"ru-RU", L"d MMMM yyyy", L"H:mm:ss"},
                    Pictures{L"ja-JP", L"yyyy'年'M'月'd'日'", L"H'時'mm'分'ss'秒'"},
                    Pictures{L"en-US", L"'Day' d 'of' M, yyyy g", L"tt h:mm:ss"},
                    Pictures{L"en-US", L"yy.MM.dd", L"HH'h'mm'm'ss's'"}));

TEST(DateTextShape, IsTheLocalesShortDateWithTheYearInFull) {
    const CivilDateTime value{2024, 1, 5, 14, 7, 9, 0};
    const CivilDateTime early{24, 1, 5, 0, 0, 0, 0};
    EXPECT_EQ(platform::win::FormatDateTime(value, true, CurrentFormats(L"en-US")), "1/5/2024 2:07:09 PM");
    EXPECT_EQ(platform::win::FormatDateTime(value, true, CurrentFormats(L"de-DE")), "5.1.2024 14:07:09");
    EXPECT_EQ(platform::win::FormatDateTime(value, true, CurrentFormats(L"ko-KR")), "2024. 1. 5. PM 2:07:09");
    EXPECT_EQ(platform::win::FormatDateTime(value, false, CurrentFormats(L"ja-JP")), "2024/1/5");
    EXPECT_EQ(platform::win::FormatDateTime(early, false, CurrentFormats(L"en-US")), "1/5/0024");
    EXPECT_EQ(platform::win::FormatDateTime(value, false, FormatsWithPictures(L"en-GB", L"dd/MM/yy", L"HH:mm:ss")),
              "05/01/2024");
}

// Years before 1601, which the system does not format, show the weekday of
// their own date.
TEST(DateTextShape, EarlyYearsShowTheirOwnWeekday) {
    using namespace std::chrono;
    static const char* const kNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    const LocaleFormats formats = FormatsWithPictures(L"en-US", L"dddd M/d/yyyy", L"HH:mm:ss");
    for (const CivilDateTime& value : {CivilDateTime{1066, 10, 14, 0, 0, 0, 0}, CivilDateTime{1, 1, 1, 0, 0, 0, 0},
                                       CivilDateTime{1600, 2, 29, 0, 0, 0, 0}, CivilDateTime{1601, 1, 1, 0, 0, 0, 0}}) {
        const year_month_day date{year{value.year}, month{static_cast<unsigned>(value.month)},
                                  day{static_cast<unsigned>(value.day)}};
        const std::string dayName = kNames[weekday{sys_days{date}}.c_encoding()];
        const std::string text = platform::win::FormatDateTime(value, false, formats);
        EXPECT_EQ(text.substr(0, text.find(' ')), dayName) << text;
    }
}

struct ReadCase {
    const char* text;
    bool reads;
    CivilDateTime value;
    bool hasDate;
    bool hasTime;
};

class ReadingUsText : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadingUsText, ReadsOrRefuses) {
    const ReadCase& c = GetParam();
    const auto parsed = platform::win::ParseDateTime(c.text, CurrentFormats(L"en-US"));
    ASSERT_EQ(parsed.has_value(), c.reads) << c.text;
    if (!c.reads) return;
    EXPECT_EQ(parsed->hasDate, c.hasDate) << c.text;
    EXPECT_EQ(parsed->hasTime, c.hasTime) << c.text;
    EXPECT_EQ(parsed->value, c.value) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadingUsText,
    testing::Values(
        // one or two digits of year take the window that ends in 2049
        ReadCase{"1/5/24", true, {2024, 1, 5, 0, 0, 0, 0}, true, false},
        ReadCase{"1/5/49", true, {2049, 1, 5, 0, 0, 0, 0}, true, false},
        ReadCase{"1/5/50 10:00:00 AM", true, {1950, 1, 5, 10, 0, 0, 0}, true, true},
        ReadCase{"1/5/7", true, {2007, 1, 5, 0, 0, 0, 0}, true, false},
        // three or four digits are the year itself
        ReadCase{"01/05/0024", true, {24, 1, 5, 0, 0, 0, 0}, true, false},
        ReadCase{"1/5/999", true, {999, 1, 5, 0, 0, 0, 0}, true, false},
        ReadCase{"  1/5/2024   2:07:09 pm ", true, {2024, 1, 5, 14, 7, 9, 0}, true, true},
        ReadCase{"1/5/2024 12:00:00 AM", true, {2024, 1, 5, 0, 0, 0, 0}, true, true},
        ReadCase{"1/5/2024 12:30:00 PM", true, {2024, 1, 5, 12, 30, 0, 0}, true, true},
        ReadCase{"2:07:09 P", true, {1, 1, 1, 14, 7, 9, 0}, false, true},
        ReadCase{"", false, {}, false, false}, ReadCase{"   ", false, {}, false, false},
        ReadCase{"tomorrow", false, {}, false, false}, ReadCase{"2/30/2024", false, {}, false, false},
        ReadCase{"13/1/2024", false, {}, false, false}, ReadCase{"1/5/2024 13:00:00 PM", false, {}, false, false},
        ReadCase{"1/5/2024 2:07:09 PM x", false, {}, false, false},
        ReadCase{"1/5/2024 2:07:09 XM", false, {}, false, false},
        ReadCase{"1/5/10000", false, {}, false, false}, ReadCase{"1/5/2024x", false, {}, false, false}));

TEST(ReadingNames, MonthNamesMatchWithoutRegardToCaseInEitherLength) {
    const LocaleFormats formats = FormatsWithPictures(L"en-US", L"dd-MMM-yyyy", L"HH:mm:ss");
    for (const char* text : {"05-Jan-2024", "05-JAN-2024", "05-january-2024"}) {
        const auto parsed = platform::win::ParseDateTime(text, formats);
        ASSERT_TRUE(parsed) << text;
        EXPECT_EQ(parsed->value, (CivilDateTime{2024, 1, 5, 0, 0, 0, 0})) << text;
    }
    EXPECT_FALSE(platform::win::ParseDateTime("05-Jab-2024", formats));
}

TEST(UserLocale, WritesAndReadsWhatTheLocaleFunctionsUse) {
    const CivilDateTime value{2024, 7, 4, 9, 5, 0, 0};
    const std::string text = platform::FormatLocalDateTime(value, true);
    EXPECT_EQ(text, platform::win::FormatDateTime(value, true, CurrentFormats(LOCALE_NAME_USER_DEFAULT)));
    const auto parsed = platform::ParseLocalDateTime(text);
    ASSERT_TRUE(parsed) << text;
    EXPECT_EQ(parsed->value, value);
}

std::chrono::milliseconds SinceMidnightOfYearOne(const CivilDateTime& v) {
    using namespace std::chrono;
    const sys_days date{year{v.year} / month{static_cast<unsigned>(v.month)} / day{static_cast<unsigned>(v.day)}};
    return duration_cast<milliseconds>(date.time_since_epoch()) + hours{v.hour} + minutes{v.minute} +
           seconds{v.second} + milliseconds{v.millisecond};
}

TEST(LocalNow, CountsMilliseconds) {
    const CivilDateTime before = platform::LocalNow();
    Sleep(50);
    const CivilDateTime after = platform::LocalNow();
    ASSERT_TRUE(platform::IsValidCivilDateTime(before));
    ASSERT_TRUE(platform::IsValidCivilDateTime(after));
    const auto elapsed = SinceMidnightOfYearOne(after) - SinceMidnightOfYearOne(before);
    EXPECT_GE(elapsed.count(), 40);
    EXPECT_LT(elapsed.count(), 60000);
}

}  // namespace
