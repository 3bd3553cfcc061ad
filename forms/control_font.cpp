#include "forms/control_font.h"

#include <windows.h>

#include <cmath>

namespace forms {

int FontHeightForPoints(double points, int dpi) { return -static_cast<int>(std::lround(points * dpi / 72.0)); }

platform::Font CreateControlFont(const FontObject& font, int dpi) {
    LOGFONTW lf{};
    lf.lfHeight = FontHeightForPoints(font.Size, dpi);
    lf.lfWeight = font.Weight;
    lf.lfItalic = font.Italic;
    lf.lfUnderline = font.Underline;
    lf.lfStrikeOut = font.Strikethrough;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(lf.lfFaceName, font.Name.c_str(), LF_FACESIZE);
    return platform::Font(::CreateFontIndirectW(&lf));
}

}  // namespace forms
