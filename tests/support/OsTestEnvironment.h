#pragma once
// The operating system's part of a test program's environment, for the
// shared main: one implementation per OS.
#include <filesystem>

namespace fq::test {

// A fresh folder of this program's own under the system's temporary folder.
std::filesystem::path MakeTestRoot();

// Points the program at private settings below root before the first test.
void EnterTestEnvironment(const std::filesystem::path& root);

// Undoes what EnterTestEnvironment changed outside root, after the last test.
void LeaveTestEnvironment();

}  // namespace fq::test
