#pragma once
// Every test program runs in its own temporary folders (made before the
// first test, removed after the last), never in the user's real ones: on
// POSIX its own HOME and XDG folders in the C.UTF-8 locale, on Windows its
// own HKEY_CURRENT_USER key inside the wine prefix of the tests.
#include <filesystem>

namespace fq::test {

// The temporary root of this test program; on POSIX HOME and the XDG folders lie in it.
const std::filesystem::path& TestRoot();

// For a test program's main: makes and enters the temporary root, and
// leaves and removes it when it goes.
class TestEnvironmentScope {
public:
    TestEnvironmentScope();
    ~TestEnvironmentScope();
    TestEnvironmentScope(const TestEnvironmentScope&) = delete;
    TestEnvironmentScope& operator=(const TestEnvironmentScope&) = delete;
};

}  // namespace fq::test
