// The form's background picture: the 96-dpi drawing, the drawing for the form's
// scale and how either is painted at the form's DPI.
#include "forms/art_scale.h"
#include "forms/form.h"
#include "platform/high_contrast.h"
#include "platform/log.h"
#include "platform/text.h"

namespace forms {

// The picture at its 96-dpi size and, at a finer DPI, its drawing for the scale.
void Form::LoadPicture(HINSTANCE instance) {
    picture_.reset(static_cast<HBITMAP>(
        ::LoadImageW(instance, description_.picture.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    BITMAP bm{};
    if (picture_ && ::GetObjectW(picture_.get(), sizeof bm, &bm)) pictureSize_ = {bm.bmWidth, bm.bmHeight};
    LoadArt(instance);
}

// The drawing for dpi_'s scale, or none at 100 %.
void Form::LoadArt(HINSTANCE instance) {
    art_.reset();
    artSize_ = {};
    std::vector<int> drawn;
    for (const int percent : kArtScales)
        if (::FindResourceW(instance, ArtResourceName(description_.picture, percent).c_str(), RT_RCDATA))
            drawn.push_back(percent);
    const int percent = ArtScaleFor(dpi_, drawn);
    if (percent == 100) return;
    const std::wstring name = ArtResourceName(description_.picture, percent);
    try {
        art_ = PictureObject::LoadResource(instance, name.c_str(), RT_RCDATA);
        BITMAP bm{};
        if (::GetObjectW(art_->BitmapHandle(), sizeof bm, &bm)) artSize_ = {bm.bmWidth, bm.bmHeight};
    } catch (const PictureError& e) {
        // The 96-dpi picture is then enlarged: a blurred banner, not a missing one.
        platform::Log(L"immagine " + name + L" non caricata: " + platform::FromUtf8(e.what()));
        art_.reset();
    }
}

void Form::PaintBackground(HDC dc, const RECT& area) const {
    ::FillRect(dc, &area, platform::HighContrastOn() ? ::GetSysColorBrush(COLOR_WINDOW) : backBrush_.get());
    if (!picture_) return;
    platform::MemoryDC source(::CreateCompatibleDC(dc));
    const SIZE drawn = art_ ? artSize_ : pictureSize_;
    platform::ScopedSelect select(source.get(), art_ ? art_->BitmapHandle() : picture_.get());
    // The picture grows with the layout; its drawing for the scale is at least as large.
    const int w = ::MulDiv(pictureSize_.cx, dpi_, 96);
    const int h = ::MulDiv(pictureSize_.cy, dpi_, 96);
    if (w == drawn.cx && h == drawn.cy) {
        ::BitBlt(dc, 0, 0, w, h, source.get(), 0, 0, SRCCOPY);
        return;
    }
    const int oldMode = ::SetStretchBltMode(dc, HALFTONE);
    ::StretchBlt(dc, 0, 0, w, h, source.get(), 0, 0, drawn.cx, drawn.cy, SRCCOPY);
    ::SetStretchBltMode(dc, oldMode);
}

}  // namespace forms
