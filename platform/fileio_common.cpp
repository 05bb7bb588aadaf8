#include "fileio.h"

#include <algorithm>

namespace platform {

std::size_t FileBytes::MakeRoom(std::size_t expected) {
    if (!data || size == capacity_) {
        // One byte more than expected, so that the read that finds the end
        // has room and does not double the buffer.
        capacity_ = data ? std::max<std::size_t>(64 * 1024, capacity_ * 2) : expected + 1;
        auto larger = std::make_unique_for_overwrite<char[]>(capacity_);
        if (data) std::copy_n(data.get(), size, larger.get());
        data = std::move(larger);
    }
    return capacity_ - size;
}

AtomicFileWriter::~AtomicFileWriter() {
    if (!committed_) Discard();
}

void AtomicFileWriter::Write(const void* data, std::size_t size) {
    const char* bytes = static_cast<const char*>(data);
    if (buffer_.size() + size > kWriteBufferSize) Flush();
    if (size >= kWriteBufferSize) {
        buffer_.assign(bytes, bytes + size);
        Flush();
        return;
    }
    buffer_.insert(buffer_.end(), bytes, bytes + size);
}

}  // namespace platform
