#include "buttons/painters/cache.h"

#include "buttons/qvbuttons_h.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <cwchar>

#include "buttons/painters/colour.h"
#include "platform/screen.h"

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

double ScreenTwipsPerPixelY() {
    return 1440.0 / platform::ScreenDpi(LOGPIXELSY);
}

}  // namespace buttons

namespace buttons {

namespace {

bool SameKey(std::wstring_view a, std::wstring_view b) {
    return ::CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

// True when `font` was made from `record`.
bool MadeFrom(HFONT font, const LOGFONTW& record) {
    LOGFONTW made{};
    if (!font || ::GetObjectW(font, sizeof made, &made) != static_cast<int>(sizeof made)) return false;
    return std::memcmp(&made, &record, offsetof(LOGFONTW, lfFaceName)) == 0 &&
           std::wcscmp(made.lfFaceName, record.lfFaceName) == 0;
}

// Builds the caption font from Font and selects it into the back buffer; the font it
// replaces is the back buffer's own the first time and the previous caption font after.
// A caption font already made from the same description is kept, so that a resize
// does not build the same font again.
void UpdateCaptionFont(qvButtons_H& b) {
    const forms::FontRef& source = b.Font() ? b.Font() : forms::DefaultHostFont();
    const LOGFONTW record = CaptionLogFont(source->Name, source->Size, source->Weight, source->Italic,
                                           source->Underline, source->Strikethrough, ScreenTwipsPerPixelY());
    platform::Font font;
    if (!MadeFrom(b.CaptionFont.get(), record)) font.reset(::CreateFontIndirectW(&record));
    HGDIOBJ chosen = font ? font.get() : b.CaptionFont.get();
    HGDIOBJ replaced = b.BackBufferDC ? ::SelectObject(b.BackBufferDC.get(), chosen) : nullptr;
    if (!b.InitialFont) b.InitialFont = replaced;
    if (font) b.CaptionFont = std::move(font);  // deletes the previous caption font, now deselected
}

// The size and kind of Picture: a bitmap with pixel memory of its own, else an icon
// measured by its colour image.
void MeasurePicture(qvButtons_H& b) {
    if (!b.Picture()) {
        b.PreparedImage.reset();
        b.PictureWidth = b.PictureHeight = 0;
        return;
    }
    const HANDLE handle = b.Picture()->Handle();
    std::int32_t width = 0, height = 0;
    BITMAP bm{};
    const bool described = ::GetObjectW(handle, sizeof bm, &bm) == static_cast<int>(sizeof bm);
    if (described) {
        width = bm.bmWidth;
        height = bm.bmHeight;
    }
    if (described && bm.bmBits) {
        b.PictureKind = 0;
    } else {
        ICONINFO info{};
        if (::GetIconInfo(static_cast<HICON>(handle), &info)) {
            platform::Bitmap colour(info.hbmColor);
            platform::Bitmap mask(info.hbmMask);
            BITMAP cm{};
            if (colour && ::GetObjectW(colour.get(), sizeof cm, &cm) == static_cast<int>(sizeof cm)) {
                width = cm.bmWidth;
                height = cm.bmHeight;
                b.PictureKind = 1;
            }
        }
    }
    b.PictureWidth = width;
    b.PictureHeight = height;
}

}  // namespace

void qvButtons_H::UpdateCache(std::wstring_view key) {
    if (SameKey(key, L"BackColor")) {
        const FaceColors colors =
            FaceColorsForStyle(ButtonStyle(), ResolveColor(BackColor()), ResolveColor(HoverBackColor()), CheckedFaceColor);
        FaceColor = colors.face;
        PressedFaceColor = colors.pressed;
        HoverFaceColor = colors.hover;
        CheckedFaceColor = colors.checked;
    } else if (SameKey(key, L"Font")) {
        UpdateCaptionFont(*this);
    } else if (SameKey(key, L"Picture")) {
        MeasurePicture(*this);
    }
}

}  // namespace buttons
