// Pictures drawn anew for finer screens: a picture made for 96 dpi may come with
// drawings of it at larger scales, so that no window shows it enlarged.
#pragma once

#include <span>
#include <string>

namespace forms {

// The scales (percent) a form's picture may be drawn at besides 100: the resource
// named like the picture with "_125" ... "_250" after it (a PNG, as RCDATA).
inline constexpr int kArtScales[] = {125, 150, 175, 200, 250};

// Which drawing to show at `dpi`: 100 (the picture itself) at 96 dpi or below;
// otherwise the smallest of `available` at least as large as the picture is shown
// there (dpi / 96 of it), reduced to fit; the largest when none is.
int ArtScaleFor(int dpi, std::span<const int> available);

// The resource name of a picture's drawing at `percent` ("BANNER_200").
std::wstring ArtResourceName(const std::wstring& picture, int percent);

}  // namespace forms
