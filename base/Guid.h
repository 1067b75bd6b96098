// GUIDs in their registry text form "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"
// and their 16-byte binary form (first three groups little-endian).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

using GuidBytes = std::array<uint8_t, 16>;

// The binary form, or none unless the text is exactly the braced form.
std::optional<GuidBytes> ParseGuidText(std::u16string_view text);

// The braced registry form with upper-case hex digits.
std::u16string FormatGuidText(const GuidBytes& guid);
