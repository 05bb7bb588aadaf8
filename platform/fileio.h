#pragma once
// Reading a whole file, and replacing one so that readers see the old
// contents or the new, never half.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file's bytes in memory that is not cleared before the file fills it.
struct FileBytes {
    std::unique_ptr<char[]> data;
    std::size_t size = 0;
    std::string_view View() const { return {data.get(), size}; }

    // Room for at least one more byte after size: the expected size and one
    // byte at first, then twice as much each time it is full (a file that
    // grows while it is read, or one without a size). Returns how much room.
    std::size_t MakeRoom(std::size_t expected);

private:
    std::size_t capacity_ = 0;
};

// The whole contents of a file. Raises FileError naming the file and the
// cause when it cannot be read.
FileBytes ReadFileBytes(const std::string& path);

// Writes to a temporary file in the target's folder; Commit flushes it to
// disk and renames it over the target. Until Commit succeeds the target is
// untouched, and a writer destroyed without Commit removes its temporary
// file. The new file keeps the permissions (and, where the platform has
// them, the user's extended attributes) of the one it replaces. A symbolic
// link as target is followed: the file it names is replaced.
// Every failure raises FileError naming the target and the cause.
class AtomicFileWriter {
public:
    static constexpr std::size_t kWriteBufferSize = 256 * 1024;

    explicit AtomicFileWriter(const std::string& path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    void Write(const void* data, std::size_t size);
    void Commit();

private:
    void Flush();
    void Discard() noexcept;
    [[noreturn]] void Fail(const std::string& what, int error);

    std::string target_;
    std::string temporary_;
    std::intptr_t handle_ = -1;
    std::vector<char> buffer_;
    bool committed_ = false;
};

}  // namespace platform
