// GUIDs made by CoCreateGuid, in the byte order of their registry text.
#include <gtest/gtest.h>
#include <objbase.h>

#include <set>
#include <string>

#include "guid.h"

namespace {

std::wstring Wide(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

TEST(GuidOnWindows, CarriesVersionAndVariantBitsWhereTheSystemPutsThem) {
    std::set<platform::Guid> seen;
    for (int i = 0; i < 1000; ++i) {
        const platform::Guid guid = platform::NewGuid();
        EXPECT_EQ(guid[6] >> 4, 4) << platform::GuidText(guid);
        EXPECT_EQ(guid[8] & 0xC0, 0x80) << platform::GuidText(guid);
        seen.insert(guid);
    }
    EXPECT_EQ(seen.size(), 1000u);
}

// The system reads our text as the GUID it stands for and writes it back
// the same, so the bytes are in the order of the text.
TEST(GuidOnWindows, TextIsTheSystemsOwnForm) {
    for (int i = 0; i < 100; ++i) {
        const std::string text = platform::GuidText(platform::NewGuid());
        GUID parsed{};
        ASSERT_EQ(IIDFromString(Wide(text).c_str(), &parsed), S_OK) << text;
        EXPECT_EQ(parsed.Data3 >> 12, 4) << text;
        wchar_t written[40] = {};
        ASSERT_GT(StringFromGUID2(parsed, written, 40), 0);
        EXPECT_EQ(std::wstring(written), Wide(text));
    }
}

}  // namespace
