// Upper-casing through the locale functions: characters beyond the first
// plane, letters whose capital lies elsewhere in Unicode, and bytes that are
// not UTF-8 between text that is.
#include <gtest/gtest.h>

#include "textcase.h"

namespace {

struct UpperCaseCase {
    const char* text;
    const char* upper;
};

class UpperCaseOnWindows : public testing::TestWithParam<UpperCaseCase> {};

TEST_P(UpperCaseOnWindows, MapsEveryCharacter) {
    EXPECT_EQ(platform::UpperCaseText(GetParam().text), GetParam().upper);
}

INSTANTIATE_TEST_SUITE_P(Cases, UpperCaseOnWindows,
                         testing::Values(UpperCaseCase{"ÿ ǆ", "Ÿ Ǆ"},
                                         UpperCaseCase{"\xF0\x90\x90\xA8", "\xF0\x90\x90\x80"},  // Deseret
                                         UpperCaseCase{"ä\xff" "ö", "Ä\xff" "Ö"},
                                         UpperCaseCase{"\xe2\x82" "ü", "\xe2\x82" "Ü"},
                                         UpperCaseCase{"straße", "STRAßE"}));

}  // namespace
