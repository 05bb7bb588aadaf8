// The registry file that stands in for HKEY_CURRENT_USER on this platform.
#include <gtest/gtest.h>

#include <cstdlib>

#include "TempFolder.h"
#include "registry.h"

namespace {

using fq::test::TempFolder;
using platform::RegistryKey;

TEST(RegistryFile, IsAnIniFileInTheConfigFolderWithOneSectionPerKey) {
    TempFolder config;
    const std::string old = std::getenv("XDG_CONFIG_HOME");
    setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
    {
        RegistryKey key("Software\\Fennquill\\OS Data", RegistryKey::Opening::CreateIfMissing);
        key.WriteString("AppPath", "/usr/bin/FQ");
        RegistryKey metrics("Control Panel\\Desktop\\WindowMetrics", RegistryKey::Opening::CreateIfMissing);
        metrics.WriteString("Shell Icon Size", " 32");
    }
    setenv("XDG_CONFIG_HOME", old.c_str(), 1);
    EXPECT_EQ(config.ReadFile("Fennquill/registry.ini"),
              "[HKEY_CURRENT_USER\\Software\\Fennquill\\OS Data]\r\n"
              "AppPath=/usr/bin/FQ\r\n"
              "[HKEY_CURRENT_USER\\Control Panel\\Desktop\\WindowMetrics]\r\n"
              "Shell Icon Size=\" 32\"\r\n");
}

}  // namespace
