// qvButtons_H: the program's own push-button control. A child window that draws
// itself completely through an off-screen back buffer, in one of eight styles and
// nine shapes, with optional picture, gradient face and hover colours; it acts as a
// command button, a check box or an option button.
//
// The class is implemented across files by area:
//   qvbuttons_h.cpp          lifecycle (show, paint, resize, ambient changes, termination)
//   properties.cpp           property rules
//   persistence.cpp          initialise / read / write properties
//   input.cpp                mouse, keyboard, focus and drag-and-drop notifications
//   hover.cpp                hover timer (modQvTimer) and CheckHoverEnd
//   option_group.cpp         OptionToggle
//   render/pipeline.cpp      RedrawButton, drawing tools, FillButtonFace; render/back_buffer.cpp
//   render/shapes.cpp        window regions and edge rings
//   render/border.cpp, render/focus.cpp, render/caption_*.cpp
//   painters/colour.cpp, gradient.cpp, cache.cpp, image.cpp, paint_steps.cpp, style_*.cpp
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "buttons/button_enums.h"
#include "buttons/painters/image.h"
#include "buttons/render/back_buffer.h"
#include "forms/colors.h"
#include "forms/font_object.h"
#include "forms/picture_object.h"
#include "forms/property_bag.h"
#include "forms/user_control.h"
#include "platform/handles.h"

namespace buttons {

struct PainterInputs;
struct FaceChoice;
struct PainterFinish;

// Per-repaint values passed between RedrawButton, the style painter and its steps.
using PainterPoints = std::array<POINT, 16>;          // indices 0..15, all zero on entry
using BorderColors = std::array<std::int32_t, 13>;    // entries 1..12 used; entry 0 unused
using FaceState = std::int16_t;                       // a FaceStateValue
using PaintResult = std::int16_t;                     // a PaintResultValue (PrepareShapeEdge)

// Colour values: 0x00BBGGRR, or 0x80000000 + a system colour index (forms/colors.h).
using forms::kButtonFace;
using forms::kButtonText;

// Access key of a caption: the character after the last "&" that is not part of a
// doubled "&&". nullopt when the caption has no such marker; an empty text when the
// marker is the last character.
std::optional<std::wstring> AccessKeyOf(std::wstring_view caption);

class qvButtons_H : public forms::UserControl {
public:
    static constexpr UINT_PTR HoverTimerId = 237;
    static constexpr UINT HoverTimerInterval = 50;

    qvButtons_H();
    ~qvButtons_H() override;

    // ---- Properties (get: no argument; set: one argument) ----
    std::int32_t ButtonStyle() const noexcept { return buttonStyle_; }
    void ButtonStyle(std::int32_t style);
    std::int32_t Mode() const noexcept { return mode_; }
    void Mode(std::int32_t mode);
    const std::wstring& Caption() const noexcept { return caption_; }
    void Caption(const std::wstring& caption);
    std::int32_t CaptionAlign() const noexcept { return captionAlign_; }
    void CaptionAlign(std::int32_t align);
    std::int32_t CaptionStyle() const noexcept { return captionStyle_; }
    void CaptionStyle(std::int32_t style);
    std::int32_t CustomClick() const noexcept { return customClick_; }
    void CustomClick(std::int32_t value);
    std::int32_t ButtonShape() const noexcept { return buttonShape_; }
    void ButtonShape(std::int32_t shape);
    const forms::PictureRef& Picture() const noexcept { return picture_; }
    void Picture(forms::PictureRef picture);
    std::int32_t PictureAlign() const noexcept { return pictureAlign_; }
    void PictureAlign(std::int32_t align);
    bool Enabled() const noexcept { return UserControl::Enabled(); }
    void Enabled(bool enabled);
    bool ShowFocusRect() const noexcept { return showFocusRect_; }
    void ShowFocusRect(bool show);
    bool Value() const noexcept { return value_; }
    void Value(bool value);
    std::int32_t PictureSize();
    void PictureSize(std::int32_t size);
    std::int16_t MousePointer() const noexcept { return UserControl::MousePointer(); }
    // Converted to 16 bits; throws std::overflow_error when it does not fit, and the
    // host's std::invalid_argument for an unknown pointer code.
    void MousePointer(std::int32_t pointer);
    const forms::PictureRef& MouseIcon() const noexcept { return UserControl::MouseIcon(); }
    void MouseIcon(forms::PictureRef icon);
    const forms::FontRef& Font() const noexcept { return UserControl::Font(); }
    void Font(forms::FontRef font);
    std::int32_t FontStyle() const;
    void FontStyle(std::int32_t style);
    std::int32_t ForeColor() const noexcept { return UserControl::ForeColor(); }
    void ForeColor(std::int32_t color);
    std::int32_t BackColor() const noexcept { return backColor_; }
    void BackColor(std::int32_t color);
    std::int32_t GradientColor() const noexcept { return gradientColor_; }
    void GradientColor(std::int32_t color);
    std::int32_t GradientMode() const noexcept { return gradientMode_; }
    void GradientMode(std::int32_t mode);
    bool ResetDefaultColors() const noexcept { return false; }
    void ResetDefaultColors(bool reset);
    std::int32_t HoverColorLocks() const noexcept { return hoverColorLocks_; }
    void HoverColorLocks(std::int32_t locks);
    std::int32_t HoverForeColor() const noexcept { return hoverForeColor_; }
    void HoverForeColor(std::int32_t color);
    std::int32_t HoverBackColor() const noexcept { return hoverBackColor_; }
    void HoverBackColor(std::int32_t color);
    HDC hDC() const noexcept { return UserControl::hDC(); }
    HWND hWnd() const noexcept { return UserControl::hWnd(); }

    // ---- Methods ----
    void Refresh();
    void DelayDrawing(bool delay);

    // ---- Events, in their declared order (arguments by reference; not read back) ----
    std::function<void(std::int16_t& button, std::int16_t& shift, float& x, float& y)> MouseDown;
    std::function<void(std::int16_t& button, std::int16_t& shift, float& x, float& y)> MouseUp;
    std::function<void(std::int16_t& button, std::int16_t& shift, float& x, float& y)> MouseMove;
    std::function<void(std::int16_t& keyCode, std::int16_t& shift)> KeyDown;
    std::function<void(std::int16_t& keyAscii)> KeyPress;
    std::function<void(std::int16_t& keyCode, std::int16_t& shift)> KeyUp;
    std::function<void(bool& onButton)> MouseOnButton;
    std::function<void()> Click;
    std::function<void(std::int16_t& button)> DoubleClick;
    std::function<void(std::int32_t& effect)> OLECompleteDrag;
    std::function<void(IDataObject* data, std::int32_t& effect, std::int16_t& button, std::int16_t& shift, float& x,
                       float& y)> OLEDragDrop;
    std::function<void(IDataObject* data, std::int32_t& effect, std::int16_t& button, std::int16_t& shift, float& x,
                       float& y, std::int16_t& state)> OLEDragOver;
    std::function<void(std::int32_t& effect, bool& defaultCursors)> OLEGiveFeedback;
    std::function<void(IDataObject* data, std::int16_t& dataFormat)> OLESetData;
    std::function<void(IDataObject* data, std::int32_t& allowedEffects)> OLEStartDrag;

    // ---- The look shown without pointer or keyboard (tools, contact sheet, tests) ----
    struct VisualState {
        bool hovering = false;
        bool heldDown = false;        // the left button went down on the button
        bool pointerOver = false;     // the pointer is over the button
        bool defaultOutline = false;
        bool pressedLook = false;     // a check or option button shown down while the key is held
    };
    VisualState CurrentVisualState() const noexcept;
    // Sets the whole look at once; the next repaint shows it.
    void SetVisualState(const VisualState& state) noexcept;
    const BackBuffer& Buffer() const noexcept { return backBuffer_; }
    bool DelayDrawingFlag() const noexcept { return delayDrawing_; }

    // Whole-pixel client size (ScaleWidth/ScaleHeight rounded half to even).
    std::int32_t ScaleWidthPixels() const noexcept;
    std::int32_t ScaleHeightPixels() const noexcept;
    bool UserMode() const noexcept { return Ambient().UserMode; }

    // ---- Colour arithmetic (painters/colour.cpp, gradient.cpp) ----
    static std::int32_t ResolveColor(std::int32_t color);
    static std::int32_t ShiftColor(std::int32_t color, std::int16_t amount, bool proportional = false);
    static void BuildGradientColors(std::vector<std::int32_t>& table, std::int32_t start, std::int32_t end);

    // ---- Option groups (option_group.cpp) and hover tracking (hover.cpp) ----
    // OptionAskChecked: whether a member of the group is checked.
    bool OptionToggle(OptionAction action);
    void CheckHoverEnd(UINT_PTR timerId);

    // The resize processing (also run by ButtonShape, Picture and read-properties).
    void ResizeProcessing();

    // ---- Assistive technology (accessible.cpp) ----
    long AccessibleRole() const;
    long AccessibleState() const;   // STATE_SYSTEM_... bits
    long AccessibleState(long windowStates) const;  // with the window's states already read
    std::wstring AccessibleDefaultAction() const;
    // Raises EVENT_OBJECT_STATECHANGE when the state differs from the last raised one.
    void NotifyAccessibleState();

protected:
    void OnInitProperties() override;
    void OnReadProperties(const forms::PropertyBag& bag) override;
    void OnWriteProperties(forms::PropertyBag& bag) override;
    void OnShow() override;
    void OnPaint() override;
    void OnResize() override;
    // The caption font for the new DPI, then the caption, picture and shape laid out again.
    void OnDpiChanged() override;
    void OnAmbientChanged(const std::wstring& name) override;
    void OnTerminate() override;
    void OnMouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;
    void OnMouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;
    void OnMouseUp(std::int16_t button, std::int16_t shift, float x, float y) override;
    void OnClick() override;
    // The default action a screen reader posted: a click through the same path as a real one.
    void OnDefaultAction() override;
    // Repaints in the look the system now asks for (high contrast on or off).
    void OnSystemLookChanged() override;
    void OnDblClick() override;
    void OnKeyDown(std::int16_t& keyCode, std::int16_t shift) override;
    void OnKeyPress(std::int16_t& keyAscii) override;
    void OnKeyUp(std::int16_t& keyCode, std::int16_t shift) override;
    void OnAccessKeyPress(std::int16_t keyAscii) override;
    void OnGotFocus() override;
    void OnLostFocus() override;
    void OnOLECompleteDrag(std::int32_t& effect) override;
    void OnOLEDragDrop(IDataObject* data, std::int32_t& effect, std::int16_t& button, std::int16_t& shift, float& x,
                       float& y) override;
    void OnOLEDragOver(IDataObject* data, std::int32_t& effect, std::int16_t& button, std::int16_t& shift, float& x,
                       float& y, std::int16_t& state) override;
    void OnOLEGiveFeedback(std::int32_t& effect, bool& defaultCursors) override;
    void OnOLESetData(IDataObject* data, std::int16_t& dataFormat) override;
    void OnOLEStartDrag(IDataObject* data, std::int32_t& allowedEffects) override;
    void OnEnable(bool enabled) override;
    forms::AccessibleObject* NewAccessibleObject() override;

private:
    // The painting members: the control paints itself; tests reach them through
    // their probe (tests/support/qvbuttons_probe.h).
    // ---- Painting pipeline (render/pipeline.cpp) ----
    void RedrawButton();
    void PrepareBackBuffer();
    void PresentBackBuffer();
    void DrawRectangle(HDC dc, std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                       std::int32_t fill, std::int32_t outline = -1, std::int32_t penWidth = 1,
                       std::int32_t penStyle = PS_SOLID);
    // A brush (and a pen too when alsoPen), a pen, or the text colour of dc.
    void SetDrawingTool(DrawingTool kind, std::int32_t color, bool alsoPen = false, std::int32_t penWidth = 1,
                        std::int32_t penStyle = PS_SOLID, HDC dc = nullptr);
    void FillButtonFace(std::int32_t& faceColor, FaceState& faceState, PaintResult& edgeResult,
                        std::int32_t& gradientColor, std::int32_t& hoverColor);

    // ---- Cache and gradients (painters/cache.cpp, gradient.cpp) ----
    void UpdateCache(std::wstring_view key);
    void FillGradient(std::int32_t start, std::int32_t end);

    // ---- Shapes and regions (render/shapes.cpp) ----
    void BuildShapeRegions();
    // The window region of each kind of shape (BuildShapeRegions); the picture's
    // is false when the old region stays (no picture, or none of it fits).
    platform::Region SlantRegion();
    platform::Region OvalRegion(HDC dc);
    bool PictureRegion(HDC dc, platform::Region& window);
    platform::Region RectangleRegion();
    PaintResult PrepareShapeEdge();
    void OutlineShapedRegion(std::int32_t outlineColor);
    bool ApplyCustomClickMove();

    // ---- Caption (render/caption_layout.cpp, render/caption_draw.cpp) ----
    void LayoutButtonContent(bool rebuildImage);
    void DrawButtonCaption(std::int32_t faceColor, std::int32_t altTextColor, bool checkedFlag, bool singlePass);

    // ---- Borders and focus (render/border.cpp, render/focus.cpp) ----
    void DrawButtonBorder(PainterPoints& points, const BorderColors& colors, FaceState faceState,
                          std::int32_t outerPenStyle);
    void DrawFocusIndicator(std::int32_t color, bool solid, bool aroundCaption, PainterPoints& points);

    // ---- Images (painters/image.cpp) ----
    void DrawButtonImage(const RECT& imageRect);
    SIZE FitImage(std::int32_t boxWidth, std::int32_t boxHeight) const;
    void PrepareImage(std::int32_t cx, std::int32_t cy, HRGN region);
    void DrawTransparentBitmap(HDC target, const RECT& targetRect, HBITMAP source, const RECT& sourceRect,
                               std::int32_t w, std::int32_t h);
    // Deletes the prepared image and its composite; both handles become 0.
    void DropPreparedImage();

    // UpdateCache "Font" and "Picture" (painters/cache.cpp).
    void UpdateCaptionFont();
    void MeasurePicture();
    // The style painter of ButtonStyle (painters/paint_steps.cpp): its decisions come
    // from ChooseFace and ChooseFinish (painters/style_rules.h).
    void PaintStyle(PainterPoints& points, BorderColors& colors, FaceState& faceState, PaintResult& result);
    PainterInputs ReadPainterInputs() const;
    // High contrast: a frame of `colour` two pixels wide along the window's edge.
    void FrameHover(std::int32_t colour);
    // False when the face fill left PaintResult at 0: the painter stops at once.
    bool FillFaceAndCaption(FaceChoice& choice, FaceState& faceState, PaintResult& result);
    void FinishPainting(const PainterFinish& finish, PainterPoints& points, BorderColors& colors, FaceState& faceState,
                        PaintResult& result);
    // An information message box, shown only while the form is being designed.
    void DesignMessage(const std::wstring& text) const;
    void HoverStartTest(std::int16_t button);
    void StopHoverTimer(UINT_PTR timerId);
    // The window whose handle ContainerHandleText holds, as decimal text; throws
    // std::invalid_argument (or std::out_of_range) for any other text.
    HWND ContainerHandle() const;
    // The font of a new instance: a copy of the parent form's, the host's on an MDI form.
    forms::FontRef NewInstanceFont() const;

    std::int32_t buttonStyle_ = bsBevel;
    std::int32_t mode_ = ModeCommand;
    std::wstring caption_;
    std::int32_t captionAlign_ = CaptionCenter;
    std::int32_t captionStyle_ = CaptionFlat;
    std::int32_t customClick_ = 0;
    std::int32_t buttonShape_ = ShapeRectangle;
    forms::PictureRef picture_;
    std::int32_t pictureAlign_ = paLeftEdge;
    bool showFocusRect_ = true;
    bool value_ = false;
    std::int32_t backColor_ = kButtonFace;
    std::int32_t gradientColor_ = 0;
    std::int32_t gradientMode_ = gmNone;
    std::int32_t hoverColorLocks_ = LockNone;
    std::int32_t hoverForeColor_ = kButtonText;
    std::int32_t hoverBackColor_ = kButtonFace;
    bool delayDrawing_ = false;
    long raisedState_ = -1;  // the accessible state last announced

    // ---- Member state shared by the control's parts ----
    // InputFlags bits.
    static constexpr std::uint8_t DefaultOutline = 1;
    static constexpr std::uint8_t HeldDown = 2;
    static constexpr std::uint8_t PointerOver = 4;
    std::uint8_t InputFlags = 0;
    bool Hovering = false;
    bool PressedLook = false;
    std::int16_t LastButton = 0;
    std::int32_t ContainerBackRGB = 0;
    std::wstring ContainerHandleText;
    std::int16_t ImagePixels = 0;
    std::int32_t PictureWidth = 0;
    std::int32_t PictureHeight = 0;
    std::int32_t PictureKind = 0;  // 0 bitmap or JPEG, 1 icon

    // Cached face colours (UpdateCache "BackColor").
    std::int32_t FaceColor = 0;
    std::int32_t PressedFaceColor = 0;
    std::int32_t HoverFaceColor = 0;
    std::int32_t CheckedFaceColor = 0;

    // Back buffer: DC, bitmap, drawing tools and caption font (render/pipeline.cpp).
    BackBuffer backBuffer_;

    // Shapes and regions.
    platform::Region OuterEdgeRegion;
    platform::Region InnerEdgeRegion;
    std::int32_t FlatLeft = 0;
    std::int32_t FlatRight = 0;
    bool ClickMoved = false;

    // Caption layout.
    RECT CaptionRect{};
    RECT ImageRect{};

    // Images.
    platform::Bitmap PreparedImage;
    std::int32_t PreparedWidth = 0;
    std::int32_t PreparedHeight = 0;
    // The mask and colours of the prepared image's transparent composite, made on
    // its first draw and dropped with it (DropPreparedImage).
    TransparentComposite PreparedComposite;

    friend struct qvButtons_HProbe;  // white-box tests (tests/support/qvbuttons_probe.h)

    friend void CALLBACK HoverTimerProc(HWND, UINT, UINT_PTR, DWORD);
    friend void FillGradientInMode(qvButtons_H& control, std::int32_t mode, std::int32_t start, std::int32_t end);
};

// modQvTimer: the hover timer's callback; finds the control through the window
// properties "qv_ClassID" and "qv_TimerID".
void CALLBACK HoverTimerProc(HWND hwnd, UINT msg, UINT_PTR id, DWORD time);

}  // namespace buttons
