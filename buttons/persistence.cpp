// qvButtons_H persistence: initialise-properties for a new instance, and the 23
// property-bag keys written and read with their types, defaults and order.
#include "buttons/qvbuttons_h.h"

#include <string>

#include "platform/log.h"

namespace buttons {
namespace {

std::wstring HandleText(HWND hwnd) {
    return std::to_wstring(reinterpret_cast<std::uintptr_t>(hwnd));
}

// A step whose failure must not stop the ones after it: it is logged.
template <typename Step>
void LoggingErrors(const wchar_t* what, Step step) {
    try {
        step();
    } catch (...) {
        platform::LogFailure(what);
    }
}

// A stored picture; a picture file that cannot be read is no picture. Other
// stored values that are no picture still go back to the host as errors.
forms::PictureRef ReadStoredPicture(const forms::PropertyBag& bag, const std::wstring& key) {
    try {
        return bag.ReadPicture(key, nullptr);
    } catch (const forms::PropertyError&) {
        const forms::PropertyBag::Value* stored = bag.Find(key);
        if (stored && std::holds_alternative<std::wstring>(*stored)) return nullptr;
        throw;
    }
}

}  // namespace

HWND qvButtons_H::ContainerHandle() const {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(std::stoull(ContainerHandleText)));
}

forms::FontRef qvButtons_H::NewInstanceFont() const {
    // A copy: changing the button's font (FontStyle) must not change the form's.
    if (Parent().IsMdiForm || !Parent().Font) return forms::DefaultHostFont();
    return Parent().Font->Clone();
}

void qvButtons_H::OnInitProperties() {
    ContainerHandleText = HandleText(ContainerHwnd());
    InternalTag(ContainerHandleText);
    caption_ = Ambient().DisplayName;
    if (hWnd()) ::SetWindowTextW(hWnd(), caption_.c_str());
    captionAlign_ = CaptionCenter;
    showFocusRect_ = true;
    hoverForeColor_ = kButtonText;
    hoverBackColor_ = kButtonFace;
    if (!Parent().IsMdiForm) UserControl::Font(NewInstanceFont());
    ContainerBackRGB = ResolveColor(Ambient().BackColor);
    backColor_ = kButtonFace;
    UpdateCache(L"BackColor");
    for (const wchar_t* key : {L"Caption", L"CapAlign", L"Focus", L"cFHover", L"cBHover", L"Font"})
        PropertyChanged(key);
}

void qvButtons_H::OnWriteProperties(forms::PropertyBag& bag) {
    bag.WriteText(L"Caption", caption_, L"");
    bag.WriteInt32(L"CapAlign", captionAlign_, CaptionCenter);
    bag.WriteInt32(L"BackStyle", buttonStyle_, bsBevel);
    bag.WriteInt32(L"Shape", buttonShape_, ShapeRectangle);
    bag.WriteFont(L"Font", UserControl::Font());
    bag.WriteInt32(L"cFore", UserControl::ForeColor(), kButtonText);
    bag.WriteInt32(L"cFHover", hoverForeColor_, kButtonText);
    bag.WriteInt32(L"cBhover", hoverBackColor_, backColor_);
    bag.WriteBool(L"Focus", showFocusRect_, true);
    bag.WriteInt32(L"LockHover", hoverColorLocks_, LockNone);
    bag.WriteInt32(L"cGradient", gradientColor_, kButtonFace);
    bag.WriteInt32(L"Gradient", gradientMode_, gmNone);
    bag.WriteInt32(L"CapStyle", captionStyle_, CaptionFlat);
    bag.WriteInt32(L"Mode", mode_);
    bag.WriteBool(L"Value", value_);
    bag.WriteInt32(L"CustomClick", customClick_, 0);
    bag.WriteInt32(L"ImgAlign", pictureAlign_, paLeftEdge);
    bag.WritePicture(L"Image", picture_);
    bag.WriteInt16(L"ImgSize", ImagePixels, 16);
    bag.WriteBool(L"Enabled", UserControl::Enabled(), true);
    bag.WriteInt32(L"cBack", backColor_);
    bag.WriteInt16(L"mPointer", UserControl::MousePointer(), 0);
    bag.WritePicture(L"mIcon", UserControl::MouseIcon());
}

void qvButtons_H::OnReadProperties(const forms::PropertyBag& bag) {
    ContainerHandleText = HandleText(ContainerHwnd());
    InternalTag(ContainerHandleText);
    ContainerBackRGB = ResolveColor(Ambient().BackColor);
    DelayDrawing(true);

    caption_ = bag.ReadText(L"Caption", L"");
    captionAlign_ = bag.ReadInt32(L"CapAlign", CaptionCenter);
    buttonStyle_ = bag.ReadInt32(L"BackStyle", bsBevel);
    buttonShape_ = bag.ReadInt32(L"Shape", ShapeRectangle);
    gradientMode_ = bag.ReadInt32(L"Gradient", gmNone);
    gradientColor_ = bag.ReadInt32(L"cGradient", kButtonFace);
    UserControl::ForeColor(bag.ReadInt32(L"cFore", kButtonText));
    // A description without a font gets the font a new instance would get (the
    // parent's, or the host's on an MDI form) rather than ending up with none.
    if (forms::FontRef font = bag.ReadFont(L"Font", nullptr)) UserControl::Font(std::move(font));
    else UserControl::Font(NewInstanceFont());
    showFocusRect_ = bag.ReadBool(L"Focus", true);
    mode_ = bag.ReadInt32(L"Mode", ModeCommand);
    value_ = bag.ReadBool(L"Value", false);
    customClick_ = bag.ReadInt32(L"CustomClick", 0);
    picture_ = ReadStoredPicture(bag, L"Image");
    ImagePixels = bag.ReadInt16(L"ImgSize", 16);
    pictureAlign_ = bag.ReadInt32(L"ImgAlign", paLeftEdge);
    hoverForeColor_ = bag.ReadInt32(L"cFHover", kButtonText);
    UserControl::Enabled(bag.ReadBool(L"Enabled", true));
    backColor_ = bag.ReadInt32(L"cBack", Parent().BackColor);
    hoverBackColor_ = bag.ReadInt32(L"cBHover", backColor_);
    hoverColorLocks_ = bag.ReadInt32(L"LockHover", LockNone);
    captionStyle_ = bag.ReadInt32(L"CapStyle", CaptionFlat);
    MouseIcon(bag.ReadPicture(L"mIcon", nullptr));
    MousePointer(std::int32_t{bag.ReadInt16(L"mPointer", 0)});

    // The closing steps run one after the other whatever fails among them.
    LoggingErrors(L"la lettura dell'immagine", [&] { UpdateCache(L"Picture"); });
    LoggingErrors(L"la lettura dei colori", [&] { UpdateCache(L"BackColor"); });
    LoggingErrors(L"la lettura della didascalia", [&] { Caption(caption_); });
    LoggingErrors(L"l'ingresso nel gruppo di opzioni", [&] { if (mode_ == ModeOption) OptionToggle(OptionJoin); });
    delayDrawing_ = false;
    LoggingErrors(L"il ridimensionamento", [&] { ResizeProcessing(); });
}

}  // namespace buttons
