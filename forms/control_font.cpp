#include "forms/control_font.h"

#include <nlohmann/json.hpp>

#include <cmath>

#include "platform/text.h"

namespace forms {

FontSpec FontFromJson(const nlohmann::json& value) {
    FontSpec spec;
    if (!value.is_object()) return spec;
    if (value.contains("name")) spec.name = platform::FromUtf8(value["name"].get<std::string>());
    if (value.contains("size")) spec.size = value["size"].get<double>();
    if (value.contains("weight")) spec.weight = value["weight"].get<int>();
    if (value.value("bold", false)) spec.weight = 700;
    spec.italic = value.value("italic", false);
    spec.underline = value.value("underline", false);
    spec.strikethrough = value.value("strikethrough", false);
    return spec;
}

int FontHeightForPoints(double points) {
    HDC screen = ::GetDC(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ::ReleaseDC(nullptr, screen);
    return -static_cast<int>(std::lround(points * dpi / 72.0));
}

platform::Font CreateControlFont(const FontSpec& spec) {
    LOGFONTW lf{};
    lf.lfHeight = FontHeightForPoints(spec.size);
    lf.lfWeight = spec.weight;
    lf.lfItalic = spec.italic;
    lf.lfUnderline = spec.underline;
    lf.lfStrikeOut = spec.strikethrough;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(lf.lfFaceName, spec.name.c_str(), LF_FACESIZE);
    return platform::Font(::CreateFontIndirectW(&lf));
}

}  // namespace forms
