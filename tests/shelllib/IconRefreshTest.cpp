// The icon refresh cycle over the user's shell icon size.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>

#include "IconRefresh.h"

namespace fennquill {
namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::IsEmpty;

// A setting in memory that logs what happens, in order, and can refuse
// writes.
class FakeSetting : public IconSizeSetting {
public:
    Reading Read() override { return reading; }
    Written Write(const std::string& text) override {
        if (!failures.empty()) {
            const Written result = failures.front();
            failures.erase(failures.begin());
            log.push_back("refused " + text);
            return result;
        }
        log.push_back("write " + text);
        return Written::Yes;
    }

    Reading reading{Found::Text, "32"};
    std::vector<Written> failures;  // the next writes' results, before they succeed again
    std::vector<std::string> log;
};

class Refresh : public testing::Test {
protected:
    bool Run() {
        return RefreshIcons(setting, [this] { setting.log.push_back("broadcast"); });
    }
    std::string Error() {
        try {
            Run();
        } catch (const IconRefreshError& error) {
            return error.what();
        }
        return "<no error>";
    }

    FakeSetting setting;
};

TEST_F(Refresh, ChangesTheSizeByOneAndBackTellingEveryoneEachTime) {
    EXPECT_TRUE(Run());
    EXPECT_THAT(setting.log, ElementsAre("write 31", "broadcast", "write 32", "broadcast"));
}

TEST_F(Refresh, WritesBackTheTextExactlyAsRead) {
    for (const char* text : {"0032", " 48", "$20", "-5"}) {
        setting.log.clear();
        setting.reading.text = text;
        EXPECT_TRUE(Run()) << text;
        ASSERT_EQ(setting.log.size(), 4u);
        EXPECT_EQ(setting.log[2], std::string("write ") + text);
    }
    EXPECT_EQ(setting.log[0], "write -6");
}

struct NothingCase {
    const char* name;
    IconSizeSetting::Reading reading;
};

class RefreshOfNothing : public Refresh, public testing::WithParamInterface<NothingCase> {};

TEST_P(RefreshOfNothing, IsFalseAndChangesNothing) {
    setting.reading = GetParam().reading;
    EXPECT_FALSE(Run());
    EXPECT_THAT(setting.log, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Cases, RefreshOfNothing,
                         testing::Values(NothingCase{"NoKey", {IconSizeSetting::Found::NoKey, ""}},
                                         NothingCase{"NoValue", {IconSizeSetting::Found::NoValue, ""}},
                                         NothingCase{"Empty", {IconSizeSetting::Found::Text, ""}}),
                         [](const testing::TestParamInfo<NothingCase>& param) { return std::string(param.param.name); });

TEST_F(Refresh, ATextThatIsNoNumberIsAConversionErrorAndNothingIsWritten) {
    setting.reading.text = "large";
    EXPECT_EQ(Error(), "'large' is not a valid integer value");
    EXPECT_THAT(setting.log, IsEmpty());
}

TEST_F(Refresh, AValueThatIsNoStringIsATypeError) {
    setting.reading = {IconSizeSetting::Found::NotAString, ""};
    EXPECT_EQ(Error(), "Invalid data type for 'Shell Icon Size'");
    EXPECT_THAT(setting.log, IsEmpty());
}

TEST_F(Refresh, AFailedFirstWriteIsAnErrorAndNothingIsBroadcast) {
    setting.failures = {IconSizeSetting::Written::Failed};
    EXPECT_EQ(Error(), "Failed to set data for 'Shell Icon Size'");
    EXPECT_THAT(setting.log, ElementsAre("refused 31"));
}

TEST_F(Refresh, AKeyGoneBeforeTheFirstWriteIsFalse) {
    setting.failures = {IconSizeSetting::Written::NoKey};
    EXPECT_FALSE(Run());
    EXPECT_THAT(setting.log, ElementsAre("refused 31"));
}

struct RestoreCase {
    const char* name;
    std::vector<IconSizeSetting::Written> restoreFailures;
    std::optional<bool> result;  // nothing: an error
    std::vector<std::string> log;
};

class Restore : public Refresh, public testing::WithParamInterface<RestoreCase> {};

// The user's size must not stay one smaller: a failed restore is tried once
// more before it counts.
TEST_P(Restore, IsTriedASecondTime) {
    const RestoreCase& c = GetParam();
    setting.log.clear();
    auto failures = c.restoreFailures;
    bool firstWriteDone = false;
    const auto broadcast = [&] {
        setting.log.push_back("broadcast");
        if (!firstWriteDone) setting.failures = failures;
        firstWriteDone = true;
    };
    if (c.result) {
        EXPECT_EQ(RefreshIcons(setting, broadcast), *c.result);
    } else {
        EXPECT_THROW(RefreshIcons(setting, broadcast), IconRefreshError);
    }
    EXPECT_THAT(setting.log, ElementsAreArray(c.log));
}

using W = IconSizeSetting::Written;
INSTANTIATE_TEST_SUITE_P(
    Cases, Restore,
    testing::Values(
        RestoreCase{"FailsOnce", {W::Failed}, true, {"write 31", "broadcast", "refused 32", "write 32", "broadcast"}},
        RestoreCase{"KeyGoneOnce", {W::NoKey}, true, {"write 31", "broadcast", "refused 32", "write 32", "broadcast"}},
        RestoreCase{"FailsTwice", {W::Failed, W::Failed}, std::nullopt, {"write 31", "broadcast", "refused 32", "refused 32"}},
        RestoreCase{"KeyGoneTwice", {W::NoKey, W::NoKey}, false, {"write 31", "broadcast", "refused 32", "refused 32"}}),
    [](const testing::TestParamInfo<RestoreCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace fennquill
