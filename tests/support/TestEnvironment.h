#pragma once
// Every test program runs in its own temporary HOME and XDG folders (made
// before the first test, removed after the last), in the C.UTF-8 locale,
// never in the user's real ones.
#include <filesystem>

namespace fq::test {

// The temporary root of this test program; HOME and the XDG folders lie in it.
const std::filesystem::path& TestRoot();

}  // namespace fq::test
