#include <windows.h>

#include <algorithm>
#include <random>

#include "fileio.h"
#include "widetext_win.h"

namespace platform {
namespace {

// What the replacement takes over from the file it replaces. READONLY is
// not among them: Windows does not replace a read-only file.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

HANDLE Handle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

// The path of the file a symbolic link names, as GetFinalPathNameByHandle
// gives it, without its "\\?\" prefix.
std::string LinkedFile(const std::wstring& link) {
    const HANDLE file = CreateFileW(link.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::wstring resolved(MAX_PATH, L'\0');
    DWORD length = GetFinalPathNameByHandleW(file, resolved.data(), static_cast<DWORD>(resolved.size()), VOLUME_NAME_DOS);
    if (length >= resolved.size()) {
        resolved.resize(length);
        length = GetFinalPathNameByHandleW(file, resolved.data(), static_cast<DWORD>(resolved.size()), VOLUME_NAME_DOS);
    }
    CloseHandle(file);
    if (length == 0 || length >= resolved.size()) return {};
    resolved.resize(length);
    if (resolved.starts_with(L"\\\\?\\UNC\\")) resolved = L"\\\\" + resolved.substr(8);
    else if (resolved.starts_with(L"\\\\?\\")) resolved = resolved.substr(4);
    return win::Utf8FromWide(resolved);
}

std::string ResolvedTarget(const std::string& path) {
    const std::wstring wide = win::WideFromUtf8(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) return path;
    const std::string linked = LinkedFile(wide);
    return linked.empty() ? path : linked;
}

std::wstring RandomSuffix() {
    static thread_local std::mt19937 generator{std::random_device{}()};
    std::wstring digits(8, L'0');
    for (wchar_t& digit : digits) digit = L"0123456789abcdef"[generator() & 0xF];
    return digits;
}

[[noreturn]] void FailToRead(const std::string& path, DWORD error) {
    throw FileError("Unable to read \"" + path + "\": " + win::SystemErrorText(error));
}

}  // namespace

FileBytes ReadFileBytes(const std::string& path) {
    // Others may go on writing, or replace the file, while it is read.
    const HANDLE file = CreateFileW(win::WideFromUtf8(path).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) FailToRead(path, GetLastError());
    LARGE_INTEGER size{};
    const std::size_t expected = GetFileSizeEx(file, &size) ? static_cast<std::size_t>(size.QuadPart) : 0;
    FileBytes bytes;
    for (;;) {
        const std::size_t room = bytes.MakeRoom(expected);
        const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(room, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(file, bytes.data.get() + bytes.size, wanted, &got, nullptr)) {
            const DWORD error = GetLastError();
            CloseHandle(file);
            FailToRead(path, error);
        }
        if (got == 0) break;
        bytes.size += got;
    }
    CloseHandle(file);
    return bytes;
}

AtomicFileWriter::AtomicFileWriter(const std::string& path) : target_(ResolvedTarget(path)) {
    const std::wstring target = win::WideFromUtf8(target_);
    const std::size_t separator = target.find_last_of(L"\\/");
    const std::wstring folder = separator == std::wstring::npos ? std::wstring() : target.substr(0, separator + 1);
    const std::wstring name = separator == std::wstring::npos ? target : target.substr(separator + 1);
    const DWORD old = GetFileAttributesW(target.c_str());
    const DWORD kept = old == INVALID_FILE_ATTRIBUTES ? 0 : (old & kKeptAttributes);
    DWORD error = ERROR_FILE_EXISTS;
    for (int attempt = 0; attempt < 100 && error == ERROR_FILE_EXISTS; ++attempt) {
        const std::wstring temporary = folder + L"~" + name + L"." + RandomSuffix() + L".tmp";
        const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        kept ? kept : FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            handle_ = reinterpret_cast<std::intptr_t>(file);
            temporary_ = win::Utf8FromWide(temporary);
            buffer_.reserve(kWriteBufferSize);
            return;
        }
        error = GetLastError();
    }
    Fail("cannot create a file in its folder", static_cast<int>(error));
}

void AtomicFileWriter::Flush() {
    std::size_t done = 0;
    while (done < buffer_.size()) {
        const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(buffer_.size() - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(Handle(handle_), buffer_.data() + done, wanted, &written, nullptr))
            Fail("cannot write", static_cast<int>(GetLastError()));
        if (written == 0) Fail("cannot write", ERROR_DISK_FULL);
        done += written;
    }
    buffer_.clear();
}

void AtomicFileWriter::Commit() {
    Flush();
    if (!FlushFileBuffers(Handle(handle_))) Fail("cannot flush to disk", static_cast<int>(GetLastError()));
    const HANDLE file = Handle(handle_);
    handle_ = reinterpret_cast<std::intptr_t>(INVALID_HANDLE_VALUE);
    if (!CloseHandle(file)) Fail("cannot write", static_cast<int>(GetLastError()));
    // Windows refuses to replace a read-only file; Wine would replace it.
    const DWORD old = GetFileAttributesW(win::WideFromUtf8(target_).c_str());
    if (old != INVALID_FILE_ATTRIBUTES && (old & FILE_ATTRIBUTE_READONLY) != 0)
        Fail("cannot replace the file", ERROR_ACCESS_DENIED);
    if (!MoveFileExW(win::WideFromUtf8(temporary_).c_str(), win::WideFromUtf8(target_).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        Fail("cannot replace the file", static_cast<int>(GetLastError()));
    committed_ = true;
    temporary_.clear();
}

void AtomicFileWriter::Discard() noexcept {
    if (Handle(handle_) != INVALID_HANDLE_VALUE) CloseHandle(Handle(handle_));
    handle_ = reinterpret_cast<std::intptr_t>(INVALID_HANDLE_VALUE);
    if (!temporary_.empty()) DeleteFileW(win::WideFromUtf8(temporary_).c_str());
    temporary_.clear();
}

void AtomicFileWriter::Fail(const std::string& what, int error) {
    Discard();
    throw FileError("Unable to save \"" + target_ + "\": " + what + " (" +
                    win::SystemErrorText(static_cast<unsigned long>(error)) + ")");
}

}  // namespace platform
