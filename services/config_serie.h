// The configuration's series number: key "serie" of section "norvelassist", an
// unsigned decimal number the company raises with every signed configuration (e.g.
// 2026120901), so that an older signed file sent again can be told from a newer one.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace services {

// The value of "serie" as ReadIni gives it. "" (the key missing, or empty) is 0.
// Otherwise only a plain decimal number counts: ASCII digits and nothing else (no
// sign, blanks, "0x" or separators; leading zeros are fine) that fits 64 bits
// (at most 18446744073709551615). Anything else is none: an invalid series.
std::optional<std::uint64_t> ParseSerie(std::wstring_view value);

}  // namespace services
