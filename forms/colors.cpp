#include "forms/colors.h"

#include <nlohmann/json.hpp>

#include <stdexcept>
#include <string>

namespace forms {

std::uint32_t ColorFromJson(const nlohmann::json& value) {
    if (value.is_number_unsigned()) return static_cast<std::uint32_t>(value.get<std::uint64_t>());
    if (value.is_number_integer()) return static_cast<std::uint32_t>(value.get<std::int64_t>());
    if (value.is_string()) {
        const std::string text = value.get<std::string>();
        if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
            return static_cast<std::uint32_t>(std::stoul(text.substr(2), nullptr, 16));
    }
    throw std::invalid_argument("colour must be a number or a 0x... text");
}

std::int32_t ResolveSystemColor(std::int32_t color) {
    if (color < 0) return static_cast<std::int32_t>(::GetSysColor(color & 0xFF));
    return color;
}

COLORREF ToRgb(std::uint32_t color) {
    return static_cast<COLORREF>(ResolveSystemColor(static_cast<std::int32_t>(color))) & 0x00FFFFFF;
}

}  // namespace forms
