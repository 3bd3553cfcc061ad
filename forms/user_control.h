// The host of a user control: gives the control its own child window and drawing
// surface, keeps the surface properties for it (font, caption colour, enabled state,
// mouse pointer, access keys, an internal tag), tells it about its container through
// ambient properties, stores and loads its properties through a property bag and
// delivers its lifecycle and input notifications as virtual members.
#pragma once

#include <windows.h>
#include <objidl.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "forms/accessible_object.h"
#include "forms/colors.h"
#include "forms/font_object.h"
#include "forms/picture_object.h"
#include "forms/property_bag.h"
#include "forms/window_base.h"

namespace forms {

// What the control may know about the form it sits on.
struct ParentForm {
    FontRef Font;                     // the form's font (nullptr: the host's default font)
    std::int32_t BackColor = kButtonFace;
    bool IsMdiForm = false;
};

// The container's ambient properties.
struct AmbientProperties {
    bool UserMode = true;             // False while the form is being designed
    bool DisplayAsDefault = false;    // the control is the form's default button
    std::wstring DisplayName;         // the instance name, e.g. "qvButtons_H1"
    std::int32_t BackColor = kButtonFace;
};

class UserControl : public WindowBase {
public:
    // Mouse pointer codes of the host's standard pointer set.
    enum : std::int16_t {
        PointerDefault = 0, PointerArrow = 1, PointerCross = 2, PointerIBeam = 3, PointerIcon = 4,
        PointerSize = 5, PointerSizeNESW = 6, PointerSizeNS = 7, PointerSizeNWSE = 8, PointerSizeWE = 9,
        PointerUpArrow = 10, PointerHourglass = 11, PointerNoDrop = 12, PointerArrowHourglass = 13,
        PointerArrowQuestion = 14, PointerSizeAll = 15, PointerCustom = 99
    };

    UserControl();
    ~UserControl() override;

    // Creates the control's child window in `container` (client coordinates, pixels),
    // then runs read-properties with `bag`, or initialise-properties when `bag` is
    // null, then the resize notification, and shows the window (show and paint
    // notifications follow) when `visible`. Errors that read-properties raises come
    // back to the caller, with the window left created.
    void Create(HWND container, int x, int y, int width, int height, const PropertyBag* bag, bool visible = true);
    // Runs write-properties into `bag`.
    void Save(PropertyBag& bag);
    // Runs the terminate notification once (also done when the window is destroyed).
    void Terminate();

    // The container sets these before Create; afterwards the setters below send the
    // ambient-changed notification.
    ParentForm& Parent() noexcept { return parent_; }
    const ParentForm& Parent() const noexcept { return parent_; }
    const AmbientProperties& Ambient() const noexcept { return ambient_; }
    void SetAmbientUserMode(bool userMode);
    void SetAmbientDisplayAsDefault(bool displayAsDefault);
    void SetAmbientDisplayName(std::wstring name);
    void SetAmbientBackColor(std::int32_t color);

    // Surface properties.
    HWND hWnd() const noexcept { return hwnd(); }
    HDC hDC() const noexcept;  // the window's own DC (class style CS_OWNDC)
    bool Enabled() const noexcept { return enabled_; }
    // Whether the window has the keyboard focus, as WM_SETFOCUS and WM_KILLFOCUS told it.
    bool Focused() const noexcept { return focused_; }
    void Enabled(bool enabled);
    const FontRef& Font() const noexcept { return font_; }
    void Font(FontRef font);
    std::int32_t ForeColor() const noexcept { return foreColor_; }
    void ForeColor(std::int32_t color) { foreColor_ = color; }
    std::int16_t MousePointer() const noexcept { return mousePointer_; }
    // Throws std::invalid_argument for a code outside the standard set.
    void MousePointer(std::int16_t pointer);
    const PictureRef& MouseIcon() const noexcept { return mouseIcon_; }
    // Throws PictureError ("Invalid picture") for a picture that is not an icon or cursor.
    void MouseIcon(PictureRef icon);
    const std::wstring& AccessKeys() const noexcept { return accessKeys_; }
    void AccessKeys(std::wstring keys) { accessKeys_ = std::move(keys); }
    // The control's internal tag (not the host-side Tag below).
    const std::wstring& InternalTag() const noexcept { return internalTag_; }
    void InternalTag(std::wstring tag) { internalTag_ = std::move(tag); }
    HWND ContainerHwnd() const noexcept { return container_; }
    // The DPI the control is shown at: the container's, as it set it; the screen's
    // until it sets one. A change after Create sends the DPI-changed notification.
    int Dpi() const;
    void SetDpi(int dpi);
    // Client size in pixels.
    double ScaleWidth() const noexcept;
    double ScaleHeight() const noexcept;
    // Shows the window's current image at once. It raises no paint notification:
    // the control's own drawing has already reached the window.
    void Refresh();
    // How many times Refresh ran (a repaint of the control ends in one).
    long RefreshCount() const noexcept { return refreshCount_; }

    // The host-side Tag the windows set.
    std::wstring Tag;

    // Property-changed notification: `key` is the persisted key that changed. The keys
    // are recorded in order for designers and tests; `PropertyChangedHook` sees each.
    void PropertyChanged(const std::wstring& key);
    const std::vector<std::wstring>& MarkedKeys() const noexcept { return markedKeys_; }
    void ClearMarkedKeys() { markedKeys_.clear(); }
    std::function<void(const std::wstring& key)> PropertyChangedHook;

    // Moves and sizes the control's window (client coordinates of the container, pixels).
    void Move(int x, int y, int width, int height);

    // A screen reader's "default action": posted to the window, so that what it runs
    // (a modal dialog, a download) runs from the message loop, not inside the
    // reader's call; OnDefaultAction runs when the message arrives.
    void PostDefaultAction();

protected:
    // Lifecycle notifications.
    virtual void OnInitProperties() {}
    virtual void OnReadProperties(const PropertyBag& bag) { (void)bag; }
    virtual void OnWriteProperties(PropertyBag& bag) { (void)bag; }
    virtual void OnShow() {}
    virtual void OnPaint() {}
    virtual void OnResize() {}
    virtual void OnAmbientChanged(const std::wstring& name) { (void)name; }
    // Dpi() changed: pixel sizes the control keeps (its fonts) are made again. The
    // container moves and sizes the window next, which brings the resize notification.
    virtual void OnDpiChanged() {}
    virtual void OnTerminate() {}
    // Input notifications (positions in pixels). A disabled control receives none.
    virtual void OnMouseDown(std::int16_t button, std::int16_t shift, float x, float y) { (void)button, (void)shift, (void)x, (void)y; }
    virtual void OnMouseMove(std::int16_t button, std::int16_t shift, float x, float y) { (void)button, (void)shift, (void)x, (void)y; }
    virtual void OnMouseUp(std::int16_t button, std::int16_t shift, float x, float y) { (void)button, (void)shift, (void)x, (void)y; }
    // The left button was pressed and released on the control.
    virtual void OnClick() {}
    virtual void OnDefaultAction() {}
    // The system's colours or high-contrast setting changed (WM_SYSCOLORCHANGE,
    // WM_SETTINGCHANGE, WM_THEMECHANGED, which the forms pass on to their controls).
    virtual void OnSystemLookChanged() {}
    // Arrives in place of the second click of a double click.
    virtual void OnDblClick() {}
    virtual void OnKeyDown(std::int16_t& keyCode, std::int16_t shift) { (void)keyCode, (void)shift; }
    virtual void OnKeyPress(std::int16_t& keyAscii) { (void)keyAscii; }
    virtual void OnKeyUp(std::int16_t& keyCode, std::int16_t shift) { (void)keyCode, (void)shift; }
    virtual void OnAccessKeyPress(std::int16_t keyAscii) { (void)keyAscii; }
    virtual void OnGotFocus() {}
    virtual void OnLostFocus() {}
    // The container enabled or disabled the window (WM_ENABLE); the default keeps the
    // surface property in step and repaints.
    virtual void OnEnable(bool enabled);
    // The control's IAccessible for WM_GETOBJECT/OBJID_CLIENT (one reference handed
    // over), or nullptr when the control has none.
    virtual AccessibleObject* NewAccessibleObject() { return nullptr; }
    virtual void OnOLECompleteDrag(std::int32_t& effect) { (void)effect; }
    virtual void OnOLEDragDrop(IDataObject* data, std::int32_t& effect, std::int16_t& button, std::int16_t& shift,
                               float& x, float& y) { (void)data, (void)effect, (void)button, (void)shift, (void)x, (void)y; }
    virtual void OnOLEDragOver(IDataObject* data, std::int32_t& effect, std::int16_t& button, std::int16_t& shift,
                               float& x, float& y, std::int16_t& state) { (void)data, (void)effect, (void)button, (void)shift, (void)x, (void)y, (void)state; }
    virtual void OnOLEGiveFeedback(std::int32_t& effect, bool& defaultCursors) { (void)effect, (void)defaultCursors; }
    virtual void OnOLESetData(IDataObject* data, std::int16_t& dataFormat) { (void)data, (void)dataFormat; }
    virtual void OnOLEStartDrag(IDataObject* data, std::int32_t& allowedEffects) { (void)data, (void)allowedEffects; }

    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

public:
    // The container (form runtime) delivers these: the access key of the caption, or
    // Enter/Esc (13/27) for the default or cancel button.
    void SendAccessKey(std::int16_t keyAscii) { if (enabled_) OnAccessKeyPress(keyAscii); }

private:
    // Mouse, keyboard and focus messages: true when `msg` was one (answered with 0).
    bool HandleInput(UINT msg, WPARAM wp, LPARAM lp);
    HCURSOR CurrentCursor() const;
    // A point of the client area that lies on the control (its window region included).
    bool ContainsPoint(int x, int y) const;

    HWND container_ = nullptr;
    ParentForm parent_;
    AmbientProperties ambient_;
    bool enabled_ = true;
    bool focused_ = false;
    FontRef font_;
    std::int32_t foreColor_ = kButtonText;
    std::int16_t mousePointer_ = 0;
    PictureRef mouseIcon_;
    std::wstring accessKeys_;
    std::wstring internalTag_;
    std::vector<std::wstring> markedKeys_;
    long refreshCount_ = 0;
    int dpi_ = 0;               // 0: the screen's
    bool created_ = false;      // properties loaded: resize notifications may flow
    bool terminated_ = false;
    bool leftDown_ = false;     // left button pressed on the control, not yet released
};

// The host's default font: MS Sans Serif 8.25 pt.
FontRef DefaultHostFont();

}  // namespace forms
