#pragma once
// The recorder program that stands in for the main program, and what it
// recorded.
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace fq::test {

// contextmenu_recorder.exe, beside this test program.
std::filesystem::path RecorderProgram();

// Tells recorders started from now on to record into file.
void RecordInto(const std::filesystem::path& file);

// The arguments recorded in file, one per line; nothing when the file has
// not appeared within the limit.
std::optional<std::vector<std::string>> WaitForRecordedArguments(const std::filesystem::path& file,
                                                                 std::chrono::milliseconds limit);

}  // namespace fq::test
