#include "guid.h"

#include <objbase.h>

#include <stdexcept>

namespace platform {
namespace {

// The fields of a GUID are little-endian in memory; the registry text shows
// each one most significant byte first.
void PutBigEndian(std::uint8_t* out, std::uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i, value >>= 8) out[i] = static_cast<std::uint8_t>(value & 0xFF);
}

}  // namespace

Guid NewGuid() {
    GUID made{};
    if (FAILED(CoCreateGuid(&made))) throw std::runtime_error("CoCreateGuid failed");
    Guid bytes{};
    PutBigEndian(&bytes[0], made.Data1, 4);
    PutBigEndian(&bytes[4], made.Data2, 2);
    PutBigEndian(&bytes[6], made.Data3, 2);
    for (std::size_t i = 0; i < 8; ++i) bytes[8 + i] = made.Data4[i];
    return bytes;
}

}  // namespace platform
