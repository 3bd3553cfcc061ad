#include "buttons/painters/cache.h"

#include "buttons/qvbuttons_h.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <cwchar>

#include "buttons/painters/colour.h"
#include "platform/text.h"

namespace buttons {

int32_t CaptionFontHeight(double points, double twipsPerPixelY) {
    // nearbyint rounds halves to even in the default rounding mode.
    return static_cast<int32_t>(std::nearbyint(-20.0 * points / twipsPerPixelY));
}

LOGFONTW CaptionLogFont(std::wstring_view name, double points, int32_t weight, bool italic, bool underline,
                        bool strikethrough, double twipsPerPixelY) {
    LOGFONTW lf{};
    lf.lfHeight = CaptionFontHeight(points, twipsPerPixelY);
    lf.lfWeight = weight;
    lf.lfItalic = italic ? 1 : 0;
    lf.lfUnderline = underline ? 1 : 0;
    lf.lfStrikeOut = strikethrough ? 1 : 0;
    lf.lfCharSet = DEFAULT_CHARSET;
    // The field holds 32 characters; keep room for the NUL so the name stays terminated.
    const size_t length = std::min<size_t>(name.size(), LF_FACESIZE - 1);
    std::copy_n(name.data(), length, lf.lfFaceName);
    lf.lfFaceName[length] = L'\0';
    return lf;
}

namespace {

// True when `font` was made from `record`.
bool MadeFrom(HFONT font, const LOGFONTW& record) {
    LOGFONTW made{};
    if (!font || ::GetObjectW(font, sizeof made, &made) != static_cast<int>(sizeof made)) return false;
    return std::memcmp(&made, &record, offsetof(LOGFONTW, lfFaceName)) == 0 &&
           std::wcscmp(made.lfFaceName, record.lfFaceName) == 0;
}

}  // namespace

// Builds the caption font from Font and selects it into the back buffer; the font it
// replaces is the back buffer's own the first time and the previous caption font after.
// A caption font already made from the same description is kept, so that a resize
// does not build the same font again.
void qvButtons_H::UpdateCaptionFont() {
    const forms::FontRef& source = Font() ? Font() : forms::DefaultHostFont();
    const LOGFONTW record = CaptionLogFont(source->Name, source->Size, source->Weight, source->Italic,
                                           source->Underline, source->Strikethrough, 1440.0 / Dpi());
    if (MadeFrom(static_cast<HFONT>(backBuffer_.Own(OBJ_FONT)), record)) {
        backBuffer_.ReselectFont();
        return;
    }
    backBuffer_.SelectFont(platform::Font(::CreateFontIndirectW(&record)));  // deletes the previous one
}

// The size and kind of Picture: a bitmap with pixel memory of its own, else an icon
// measured by its colour image; 0 x 0 for a picture that cannot be described.
void qvButtons_H::MeasurePicture() {
    if (!Picture()) {
        DropPreparedImage();
        PictureWidth = PictureHeight = 0;
        return;
    }
    const HANDLE handle = Picture()->Handle();
    std::int32_t width = 0, height = 0;
    BITMAP bm{};
    const bool described = ::GetObjectW(handle, sizeof bm, &bm) == static_cast<int>(sizeof bm);
    if (described) {
        width = bm.bmWidth;
        height = bm.bmHeight;
    }
    if (described && bm.bmBits) {
        PictureKind = 0;
    } else {
        ICONINFO info{};
        if (::GetIconInfo(static_cast<HICON>(handle), &info)) {
            platform::Bitmap colour(info.hbmColor);
            platform::Bitmap mask(info.hbmMask);
            BITMAP cm{};
            if (colour && ::GetObjectW(colour.get(), sizeof cm, &cm) == static_cast<int>(sizeof cm)) {
                width = cm.bmWidth;
                height = cm.bmHeight;
                PictureKind = 1;
            }
        }
    }
    // A zero-sized picture, or one larger than a bitmap may be, is no picture.
    if (!forms::PictureFitsInMemory(width, height)) {
        DropPreparedImage();
        width = height = 0;
    }
    PictureWidth = width;
    PictureHeight = height;
}

void qvButtons_H::UpdateCache(std::wstring_view key) {
    if (platform::SameTextIgnoringCase(key, L"BackColor")) {
        const FaceColors colors = FaceColorsForStyle(ButtonStyle(), ResolveColor(BackColor()),
                                                     ResolveColor(HoverBackColor()), CheckedFaceColor);
        FaceColor = colors.face;
        PressedFaceColor = colors.pressed;
        HoverFaceColor = colors.hover;
        CheckedFaceColor = colors.checked;
    } else if (platform::SameTextIgnoringCase(key, L"Font")) {
        UpdateCaptionFont();
    } else if (platform::SameTextIgnoringCase(key, L"Picture")) {
        MeasurePicture();
    }
}

}  // namespace buttons
