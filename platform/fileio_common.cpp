#include "fileio.h"

namespace platform {

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
