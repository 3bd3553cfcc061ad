#include "forms/control_font.h"

#include <nlohmann/json.hpp>

#include <cmath>

#include "platform/text.h"
#include "platform/screen.h"

namespace forms {

FontSpec FontFromJson(const nlohmann::json& value) {
    FontSpec font;
    if (!value.is_object()) return font;
    if (value.contains("name")) font.name = platform::FromUtf8(value["name"].get<std::string>());
    if (value.contains("size")) font.size = value["size"].get<double>();
    if (value.contains("weight")) font.weight = value["weight"].get<int>();
    if (value.value("bold", false)) font.weight = 700;
    font.italic = value.value("italic", false);
    font.underline = value.value("underline", false);
    font.strikethrough = value.value("strikethrough", false);
    return font;
}

int FontHeightForPoints(double points) {
    const int dpi = platform::ScreenDpi(LOGPIXELSY);
    return -static_cast<int>(std::lround(points * dpi / 72.0));
}

platform::Font CreateControlFont(const FontSpec& font) {
    LOGFONTW lf{};
    lf.lfHeight = FontHeightForPoints(font.size);
    lf.lfWeight = font.weight;
    lf.lfItalic = font.italic;
    lf.lfUnderline = font.underline;
    lf.lfStrikeOut = font.strikethrough;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(lf.lfFaceName, font.name.c_str(), LF_FACESIZE);
    return platform::Font(::CreateFontIndirectW(&lf));
}

}  // namespace forms
