// Colour values as the form descriptions store them: 0x00BBGGRR for an explicit
// colour, or a value with the top bit set naming a system colour by the index in
// its low byte (0x8000000F is the button face).
#pragma once

#include <windows.h>

#include <cstdint>

#include <nlohmann/json_fwd.hpp>

namespace forms {

inline constexpr std::int32_t kButtonFace = static_cast<std::int32_t>(0x8000000F);
inline constexpr std::int32_t kButtonText = static_cast<std::int32_t>(0x80000012);

// A system colour (a negative value) as the RGB the system uses now; any other value
// is returned unchanged. The one resolver of system colours.
std::int32_t ResolveSystemColor(std::int32_t color);

// A colour from a description: a number or a "0x..." text. Throws on anything else.
std::uint32_t ColorFromJson(const nlohmann::json& value);

// The explicit RGB colour a colour value stands for (the low three bytes of others).
COLORREF ToRgb(std::uint32_t color);

}  // namespace forms
