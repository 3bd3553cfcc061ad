// Fonts of the forms' controls, described by name, size in points, weight and
// style flags (the same object the button descriptions store as "font").
#pragma once

#include <string>

#include <nlohmann/json_fwd.hpp>

#include "platform/handles.h"

namespace forms {

struct FontSpec {
    std::wstring name = L"MS Sans Serif";
    double size = 8.25;  // points
    int weight = 400;    // 700 is bold
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
};

// {"name", "size", "weight", "bold", "italic", "underline", "strikethrough"}; missing
// members keep the defaults above ("bold": true means weight 700).
FontSpec FontFromJson(const nlohmann::json& value);

// Character height in pixels for a point size on this screen (negative, as
// LOGFONT wants it: -13 for 9.75 pt at 96 dpi).
int FontHeightForPoints(double points);

platform::Font CreateControlFont(const FontSpec& font);

}  // namespace forms
