// Upper-casing for path comparison, integer text and GUID text.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <stdexcept>

#include "guid.h"
#include "integertext.h"
#include "textcase.h"

namespace {

struct UpperCaseCase {
    const char* text;
    const char* upper;
};

class UpperCaseText : public testing::TestWithParam<UpperCaseCase> {};

TEST_P(UpperCaseText, MapsEveryCharacter) { EXPECT_EQ(platform::UpperCaseText(GetParam().text), GetParam().upper); }

INSTANTIATE_TEST_SUITE_P(Cases, UpperCaseText,
                         testing::Values(UpperCaseCase{"", ""}, UpperCaseCase{"/home/Ann/notes", "/HOME/ANN/NOTES"},
                                         UpperCaseCase{"C:\\Work\\Plan.txt", "C:\\WORK\\PLAN.TXT"},
                                         UpperCaseCase{"äöü éèñ", "ÄÖÜ ÉÈÑ"}, UpperCaseCase{"αβγ дом", "ΑΒΓ ДОМ"},
                                         UpperCaseCase{"日本語 2024", "日本語 2024"},
                                         // bytes that are not UTF-8 stay as they are
                                         UpperCaseCase{"a\xff" "b\xc3", "A\xff" "B\xc3"},
                                         UpperCaseCase{"\xc0\xaf", "\xc0\xaf"}));

struct IntegerCase {
    const char* text;
    bool converts;
    int value;
};

class IntegerText : public testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerText, ConvertsOrRefuses) {
    const IntegerCase& c = GetParam();
    int value = -12345;
    EXPECT_EQ(platform::TryTextToInt(c.text, value), c.converts) << c.text;
    if (c.converts) {
        EXPECT_EQ(value, c.value);
        EXPECT_EQ(platform::TextToInt(c.text), c.value);
    } else {
        EXPECT_EQ(value, -12345) << "a refused text leaves the value alone";
        try {
            platform::TextToInt(c.text);
            ADD_FAILURE() << "no error for " << c.text;
        } catch (const std::runtime_error& error) {
            EXPECT_EQ(error.what(), "'" + std::string(c.text) + "' is not a valid integer value");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IntegerText,
    testing::Values(IntegerCase{"0", true, 0}, IntegerCase{"42", true, 42}, IntegerCase{"-7", true, -7},
                    IntegerCase{"+5", true, 5}, IntegerCase{"  12", true, 12}, IntegerCase{"0032", true, 32},
                    IntegerCase{"$1F", true, 31}, IntegerCase{"0x10", true, 16},
                    IntegerCase{"2147483647", true, 2147483647}, IntegerCase{"-2147483648", true, -2147483647 - 1},
                    IntegerCase{"", false, 0}, IntegerCase{" ", false, 0}, IntegerCase{"abc", false, 0},
                    IntegerCase{"12a", false, 0}, IntegerCase{"1 ", false, 0}, IntegerCase{"1.5", false, 0},
                    IntegerCase{"2147483648", false, 0}, IntegerCase{"-2147483649", false, 0},
                    IntegerCase{"99999999999999999999", false, 0}, IntegerCase{"0x", false, 0},
                    IntegerCase{"$", false, 0}, IntegerCase{"-", false, 0}));

TEST(Guid, IsRandomVersion4InRegistryForm) {
    const std::regex form("\\{[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}\\}");
    std::set<std::string> seen;
    for (int i = 0; i < 5000; ++i) {  // more than one refill of the random pool
        const std::string guid = platform::GuidText(platform::NewGuid());
        ASSERT_TRUE(std::regex_match(guid, form)) << guid;
        seen.insert(guid);
    }
    EXPECT_EQ(seen.size(), 5000u);
}

TEST(Guid, TextAndDigitsShowTheBytesInOrder) {
    const platform::Guid guid{0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF,
                              0xFE, 0xDC, 0xBA, 0x98, 0x76, 0x54, 0x32, 0x10};
    EXPECT_EQ(platform::GuidText(guid), "{01234567-89AB-CDEF-FEDC-BA9876543210}");
    EXPECT_EQ(platform::GuidDigits(guid), "0123456789ABCDEFFEDCBA9876543210");
}

}  // namespace
