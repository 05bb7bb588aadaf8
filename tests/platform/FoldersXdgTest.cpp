// The user's application-data folder by the XDG base-directory conventions.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

#include "TempFolder.h"
#include "folders.h"

namespace {

using fq::test::TempFolder;

// Sets or unsets an environment variable for the life of the object.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedVariable() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(ApplicationDataFolder, IsAnAbsoluteXdgDataHomeWithoutTrailingSeparatorAndIsCreated) {
    TempFolder folder;
    const std::string wanted = folder / "data/fennquill";
    ScopedVariable data("XDG_DATA_HOME", (wanted + "//").c_str());
    EXPECT_EQ(platform::ApplicationDataFolder(), wanted);
    EXPECT_TRUE(std::filesystem::is_directory(wanted));
}

TEST(ApplicationDataFolder, FallsBackToTheHomeFolderWhenXdgDataHomeIsUnsetOrRelative) {
    TempFolder folder;
    ScopedVariable home("HOME", folder.Path().c_str());
    for (const char* data : {static_cast<const char*>(nullptr), "", "relative/data"}) {
        ScopedVariable variable("XDG_DATA_HOME", data);
        EXPECT_EQ(platform::ApplicationDataFolder(), folder / ".local/share");
    }
}

TEST(ApplicationDataFolder, AFolderThatCannotBeMadeIsTheShellError) {
    TempFolder folder;
    const std::string file = folder.WriteFile("not-a-folder", "");
    ScopedVariable data("XDG_DATA_HOME", (file + "/data").c_str());
    try {
        platform::ApplicationDataFolder();
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "SHGetPathFromIDList failed : invalid pidl");
    }
}

}  // namespace
