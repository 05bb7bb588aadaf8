#include <windows.h>

#include <random>
#include <stdexcept>
#include <string>

#include "OsTestEnvironment.h"

namespace fq::test {
namespace {

// The program's HKEY_CURRENT_USER is redirected to a key of its own below
// this one, so that what the tests write to the registry leaves with it.
const std::wstring kRunsKey = L"Software\\Fennquill test runs";

std::wstring g_userKeyPath;
HKEY g_userKey = nullptr;

std::wstring HexDigits(unsigned value) {
    wchar_t digits[9];
    for (int i = 7; i >= 0; --i, value >>= 4) digits[i] = L"0123456789abcdef"[value & 0xF];
    digits[8] = L'\0';
    return digits;
}

}  // namespace

std::filesystem::path MakeTestRoot() {
    const std::filesystem::path temporary = std::filesystem::temp_directory_path();
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path folder = temporary / (L"fennquill-test-" + HexDigits(random()));
        if (CreateDirectoryW(folder.c_str(), nullptr)) return folder;
        if (GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
    throw std::runtime_error("cannot make a temporary folder");
}

void EnterTestEnvironment(const std::filesystem::path& root) {
    g_userKeyPath = kRunsKey + L"\\" + root.filename().wstring();
    if (RegCreateKeyExW(HKEY_CURRENT_USER, g_userKeyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &g_userKey,
                        nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot make the test program's registry key");
    if (RegOverridePredefKey(HKEY_CURRENT_USER, g_userKey) != ERROR_SUCCESS)
        throw std::runtime_error("cannot redirect HKEY_CURRENT_USER");
}

void LeaveTestEnvironment() {
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(g_userKey);
    RegDeleteTreeW(HKEY_CURRENT_USER, g_userKeyPath.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, kRunsKey.c_str());  // fails while other programs run: theirs go later
}

}  // namespace fq::test
