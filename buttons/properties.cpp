// qvButtons_H property rules: range checks, side effects in their order, the keys
// each change marks, and when it repaints.
#include "buttons/qvbuttons_h.h"

#include <limits>
#include <stdexcept>

#include "platform/message_box.h"
#include "platform/text.h"

namespace buttons {
namespace {

bool InRange(std::int32_t value, std::int32_t low, std::int32_t high) { return value >= low && value <= high; }
bool FollowsBack(std::int32_t locks) { return locks == LockNone || locks == LockFore; }
bool FollowsFore(std::int32_t locks) { return locks == LockNone || locks == LockBack; }

}  // namespace

void qvButtons_H::ButtonStyle(std::int32_t style) {
    if (!InRange(style, bsBevel, bsRoundedFrame)) return;
    const std::int32_t old = buttonStyle_;
    buttonStyle_ = style;
    if (((old == bsHoverFrame || style == bsHoverFrame) && buttonShape_ < ShapeCustom) ||
        buttonShape_ < ShapeOval)
        BuildShapeRegions();
    LayoutButtonContent(false);
    UpdateCache(L"BackColor");
    RedrawButton();
    PropertyChanged(L"BackStyle");
}

void qvButtons_H::Mode(std::int32_t mode) {
    if (!InRange(mode, ModeCommand, ModeOption)) return;
    const std::int32_t old = mode_;
    if (old == ModeOption && mode != ModeOption) OptionToggle(OptionLeave);
    if (mode == ModeOption && old != ModeOption) OptionToggle(OptionJoin);
    if (mode == ModeCommand && old != ModeCommand) Value(false);
    mode_ = mode;
    RedrawButton();
    PropertyChanged(L"Mode");
}

void qvButtons_H::Caption(const std::wstring& caption) {
    if (auto key = AccessKeyOf(caption)) AccessKeys(*key);
    caption_ = caption;
    if (hWnd()) {
        ::SetWindowTextW(hWnd(), caption_.c_str());
        ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hWnd(), OBJID_CLIENT, CHILDID_SELF);
    }
    LayoutButtonContent(false);
    RedrawButton();
    PropertyChanged(L"Caption");
}

void qvButtons_H::CaptionAlign(std::int32_t align) {
    if (!InRange(align, CaptionLeft, CaptionCenter)) return;
    if (align == CaptionCenter || InRange(pictureAlign_, paLeftEdge, paRightOfCaption) ||
        PictureWidth + PictureHeight < 1) {
        captionAlign_ = align;
        LayoutButtonContent(false);
        RedrawButton();
        PropertyChanged(L"CapAlign");
    } else {
        DesignMessage(L"When button images are aligned top/bottom center, \r\n"
                      L"button captions can only be center aligned");
    }
}

void qvButtons_H::CaptionStyle(std::int32_t style) {
    if (!InRange(style, CaptionFlat, CaptionEngraved)) return;
    captionStyle_ = style;
    PropertyChanged(L"CapStyle");
    if (!caption_.empty()) {
        LayoutButtonContent(false);
        RedrawButton();
    }
}

void qvButtons_H::CustomClick(std::int32_t value) {
    if (!InRange(value, 0, 8)) return;
    if (buttonShape_ < ShapeCustom && value > 0)
        DesignMessage(L"This property has no effect unless the Button Shape is a custom shape.");
    customClick_ = value;
    PropertyChanged(L"CustomClick");
}

void qvButtons_H::ButtonShape(std::int32_t shape) {
    if (!InRange(shape, ShapeRectangle, ShapeCustom3D)) return;
    const bool custom = shape >= ShapeCustom;
    if (custom && (!picture_ || PictureKind == 1)) {
        DesignMessage(L"The Picture Property must be assigned first and must be a bitmap or JPEG.");
        return;
    }
    if (custom && PictureSize() != ps48) {
        DelayDrawing(true);
        PictureSize(ps48);
        delayDrawing_ = false;
    }
    buttonShape_ = shape;
    captionAlign_ = CaptionCenter;
    ResizeProcessing();
    DelayDrawing(false);
    PropertyChanged(L"Shape");
}

void qvButtons_H::Picture(forms::PictureRef picture) {
    picture_ = std::move(picture);
    if (ImagePixels == 0) ImagePixels = 16;
    UpdateCache(L"Picture");
    if (buttonShape_ < ShapeCustom) {
        LayoutButtonContent(true);
        RedrawButton();
    } else {
        if (!picture_) {
            ButtonShape(ShapeRectangle);
        } else if (PictureKind == 1) {
            ButtonShape(ShapeRectangle);
            DesignMessage(L"Icons cannot be used for custom buttons. Only use bitmaps or JPEGs.\r\n"
                          L"Button was changed to Rectangular shaped.");
        }
        ResizeProcessing();
    }
    PropertyChanged(L"Image");
}

void qvButtons_H::PictureAlign(std::int32_t align) {
    if (!InRange(align, paLeftEdge, paBottomCenter)) return;
    pictureAlign_ = align;
    if (align == paTopCenter || align == paBottomCenter) CaptionAlign(CaptionCenter);
    LayoutButtonContent(false);
    RedrawButton();
    PropertyChanged(L"ImgAlign");
}

void qvButtons_H::Enabled(bool enabled) {
    if (enabled == UserControl::Enabled()) return;
    UserControl::Enabled(enabled);
    if (buttonStyle_ == bsEtched && mode_ == ModeCommand && buttonShape_ <= ShapeSlantBoth) {
        DelayDrawing(true);
        BuildShapeRegions();
        LayoutButtonContent(false);
        DelayDrawing(false);
    } else {
        RedrawButton();
    }
    PropertyChanged(L"Enabled");
}

void qvButtons_H::ShowFocusRect(bool show) {
    showFocusRect_ = show;
    if (InputFlags & DefaultOutline) {
        if (UserMode()) {
            InputFlags &= static_cast<std::uint8_t>(~DefaultOutline);
            RedrawButton();
        } else {
            DesignMessage(L"The focus rectangle may appear on default buttons ONLY while in design mode, \r\n"
                          L"but will not appear when the form is running.");
        }
    } else {
        RedrawButton();
    }
    PropertyChanged(L"Focus");
}

void qvButtons_H::Value(bool value) {
    if (value && mode_ == ModeCommand) {
        DesignMessage(L"This property is not applicable for command button modes.");
        return;
    }
    value_ = value;
    if (value && mode_ == ModeOption) OptionToggle(OptionClearOthers);
    RedrawButton();
    PropertyChanged(L"Value");
}

std::int32_t qvButtons_H::PictureSize() {
    if (ImagePixels == 0) ImagePixels = 16;
    return ImagePixels / 8 - 2;
}

void qvButtons_H::PictureSize(std::int32_t size) {
    if (!InRange(size, ps16, ps48)) return;
    if (buttonShape_ < ShapeCustom) {
        ImagePixels = static_cast<std::int16_t>((size + 2) * 8);
        LayoutButtonContent(true);
        RedrawButton();
        PropertyChanged(L"ImgSize");
    } else {
        DesignMessage(L"The picture size cannot be changed for Shaped buttons");
    }
}

void qvButtons_H::MousePointer(std::int32_t pointer) {
    if (pointer < std::numeric_limits<std::int16_t>::min() || pointer > std::numeric_limits<std::int16_t>::max())
        throw std::overflow_error("Overflow");
    UserControl::MousePointer(static_cast<std::int16_t>(pointer));
    PropertyChanged(L"mPointer");
}

void qvButtons_H::MouseIcon(forms::PictureRef icon) {
    try {
        UserControl::MouseIcon(icon);
    } catch (const std::exception& e) {
        if (!UserMode())
            platform::ShowMessage(platform::FromAnsi(e.what()), MB_ICONINFORMATION, L"Select .ico Or .cur Files Only");
        return;
    }
    if (icon) {
        MousePointer(std::int32_t{forms::UserControl::PointerCustom});
        PropertyChanged(L"mIcon");
    }
}

void qvButtons_H::Font(forms::FontRef font) {
    if (!font) throw std::invalid_argument("Invalid use of Nothing");
    UserControl::Font(std::move(font));
    UpdateCache(L"Font");
    LayoutButtonContent(false);
    RedrawButton();
    PropertyChanged(L"Font");
}

std::int32_t qvButtons_H::FontStyle() const {
    const auto& font = UserControl::Font();
    if (!font) return 0;
    return 2 * font->Bold() + 4 * font->Italic + 8 * font->Underline;
}

void qvButtons_H::FontStyle(std::int32_t style) {
    const auto& font = UserControl::Font();
    if (font) {
        font->SetBold((style & FontBold) != 0);
        font->Italic = (style & FontItalic) != 0;
        font->Underline = (style & FontUnderline) != 0;
    }
    UpdateCache(L"Font");
    LayoutButtonContent(false);
    PropertyChanged(L"Font");
    RedrawButton();
}

void qvButtons_H::ForeColor(std::int32_t color) {
    if (color == UserControl::ForeColor()) return;
    UserControl::ForeColor(color);
    if (FollowsFore(hoverColorLocks_)) HoverForeColor(color);
    delayDrawing_ = false;
    RedrawButton();
    PropertyChanged(L"cFore");
}

void qvButtons_H::BackColor(std::int32_t color) {
    backColor_ = color;
    if (FollowsBack(hoverColorLocks_)) HoverBackColor(gradientMode_ != gmNone ? gradientColor_ : color);
    UpdateCache(L"BackColor");
    RedrawButton();
    PropertyChanged(L"cBack");
}

void qvButtons_H::GradientColor(std::int32_t color) {
    if (FollowsBack(hoverColorLocks_) && gradientMode_ > gmNone) hoverBackColor_ = color;
    gradientColor_ = color;
    UpdateCache(L"BackColor");
    if (gradientMode_ != gmNone) RedrawButton();
    PropertyChanged(L"cGradient");
}

void qvButtons_H::GradientMode(std::int32_t mode) {
    if (!InRange(mode, gmNone, gmBottomToTop)) return;
    gradientMode_ = mode;
    if (FollowsBack(hoverColorLocks_)) {
        hoverBackColor_ = mode == gmNone ? backColor_ : gradientColor_;
        UpdateCache(L"BackColor");
    }
    RedrawButton();
    PropertyChanged(L"Gradient");
}

void qvButtons_H::ResetDefaultColors(bool reset) {
    if (UserMode() || !reset) return;
    DelayDrawing(true);
    backColor_ = kButtonFace;
    ForeColor(kButtonText);
    GradientColor(kButtonFace);
    GradientMode(gmNone);
    HoverColorLocks(LockNone);
    UpdateCache(L"BackColor");
    DelayDrawing(false);
    PropertyChanged(L"cGradient");
    PropertyChanged(L"cBack");
}

void qvButtons_H::HoverColorLocks(std::int32_t locks) {
    hoverColorLocks_ = locks;
    if (FollowsBack(locks)) {
        hoverBackColor_ = gradientMode_ != gmNone ? gradientColor_ : backColor_;
        PropertyChanged(L"cBHover");
    }
    if (FollowsFore(locks)) {
        hoverForeColor_ = UserControl::ForeColor();
        PropertyChanged(L"cFHover");
    }
    UpdateCache(L"BackColor");
    PropertyChanged(L"LockHover");
}

void qvButtons_H::HoverForeColor(std::int32_t color) {
    if (color == hoverForeColor_) return;
    hoverForeColor_ = color;
    PropertyChanged(L"cFHover");
    if (color != UserControl::ForeColor()) hoverColorLocks_ |= LockFore;
}

void qvButtons_H::HoverBackColor(std::int32_t color) {
    if (color == hoverBackColor_) return;
    hoverBackColor_ = color;
    if (color != backColor_) hoverColorLocks_ |= LockBack;
    UpdateCache(L"BackColor");
    PropertyChanged(L"cBHover");
}

}  // namespace buttons
