// A stand-in for the main program: records the arguments it was started
// with, as the Windows command-line rules split them, one per line in
// UTF-8, into the file named by FQ_RECORDED_ARGUMENTS. The file appears
// whole: it is written beside its place and then renamed.
#include <windows.h>
#include <shellapi.h>

#include <fstream>
#include <string>

#include "widetext_win.h"

namespace {

std::wstring OutputFile() {
    wchar_t path[MAX_PATH * 4] = {};
    const DWORD length = GetEnvironmentVariableW(L"FQ_RECORDED_ARGUMENTS", path, static_cast<DWORD>(std::size(path)));
    return length == 0 || length >= std::size(path) ? std::wstring() : std::wstring(path, length);
}

std::string ArgumentLines() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::string lines;
    for (int i = 1; i < count; ++i) lines += platform::win::Utf8FromWide(arguments[i]) + "\n";
    LocalFree(arguments);
    return lines;
}

}  // namespace

int main() {
    const std::wstring output = OutputFile();
    if (output.empty()) return 2;
    const std::wstring partial = output + L".part";
    {
        std::ofstream file(partial.c_str(), std::ios::binary);
        file << ArgumentLines();
        if (!file) return 3;
    }
    return MoveFileExW(partial.c_str(), output.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 4;
}
