#pragma once
// Fresh random GUIDs.
#include <array>
#include <cstdint>
#include <string>

namespace platform {

// The 16 bytes of a GUID in the order its registry text shows them.
using Guid = std::array<std::uint8_t, 16>;

// A fresh GUID: version 4 (random) where the platform makes its own.
Guid NewGuid();

// The registry text form: "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", upper-case.
std::string GuidText(const Guid& guid);

// The 32 upper-case hex digits of the registry form, without its braces and
// hyphens.
std::string GuidDigits(const Guid& guid);

}  // namespace platform
