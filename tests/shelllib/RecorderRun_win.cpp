#include "RecorderRun_win.h"

#include <windows.h>

#include <fstream>
#include <sstream>
#include <thread>

namespace fq::test {

std::filesystem::path RecorderProgram() {
    wchar_t self[MAX_PATH * 4] = {};
    GetModuleFileNameW(nullptr, self, static_cast<DWORD>(std::size(self)));
    return std::filesystem::path(self).parent_path() / L"contextmenu_recorder.exe";
}

void RecordInto(const std::filesystem::path& file) {
    SetEnvironmentVariableW(L"FQ_RECORDED_ARGUMENTS", file.c_str());
}

std::optional<std::vector<std::string>> WaitForRecordedArguments(const std::filesystem::path& file,
                                                                 std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    // The renamed file can be seen a moment before it may be opened.
    std::ifstream recorded;
    for (;;) {
        recorded.open(file, std::ios::binary);
        if (recorded) break;
        if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
        recorded.clear();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    std::ostringstream contents;
    contents << recorded.rdbuf();
    std::istringstream lines(contents.str());
    std::vector<std::string> arguments;
    for (std::string line; std::getline(lines, line);) arguments.push_back(line);
    return arguments;
}

}  // namespace fq::test
