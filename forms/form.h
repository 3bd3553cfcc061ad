// A top-level form built from its description: client size and control places in
// twips, caption, no minimise or maximise box, background colour or picture.
//
// Load() creates the window (hidden) and its controls and runs OnLoad, the load
// handler. Show() shows it non-modally (again: brings it to the front); ShowModal()
// disables the other forms and runs its own message loop until the form unloads;
// its window is owned by `owner` (the window that asked), so it never falls behind it.
// Unload() (or the close box) destroys the window; the object stays and can be
// loaded again.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/check_box.h"
#include "forms/command_button.h"
#include "forms/form_description.h"
#include "forms/hosted_button.h"
#include "forms/label.h"
#include "forms/list_box.h"
#include "forms/message_loop.h"
#include "forms/picture_object.h"
#include "forms/shape.h"
#include "forms/user_control.h"
#include "forms/window_base.h"
#include "platform/handles.h"
#include "platform/window_events.h"

namespace forms {

class Form : public WindowBase {
public:
    explicit Form(FormDescription description);
    ~Form() override;

    void Load();
    void Show();
    void ShowModal(HWND owner = nullptr);
    void Unload();
    bool IsLoaded() const noexcept { return hwnd() != nullptr; }
    bool IsModal() const noexcept { return modal_; }

    const std::wstring& Name() const noexcept { return description_.name; }
    // The DPI the window is laid out for: the system's before the window exists, the
    // window's own once made, and the new one after each WM_DPICHANGED. Every pixel
    // of the form and its controls comes from the twips at this DPI.
    int Dpi() const noexcept { return dpi_; }
    std::uint32_t BackColor() const noexcept { return description_.backColor; }

    // What workers post for this form (window_events.h): run in order when the window
    // takes its messages. Events posted before the window exists wait for it; those
    // still waiting when it is destroyed are dropped.
    platform::WindowEvents& Events() noexcept { return events_; }

    // Controls by their designer's name; throws when there is none of that kind.
    Label& GetLabel(const std::wstring& name);
    CheckBox& GetCheckBox(const std::wstring& name);
    ListBox& GetListBox(const std::wstring& name);
    Shape& GetShape(const std::wstring& name);
    CommandButton& GetCommandButton(const std::wstring& name);
    HostedButton& GetButton(const std::wstring& name);
    Control* FindControl(const std::wstring& name);

    // Paints what lies under `above` (background, picture, the shapes listed before
    // it) into dc, whose origin is the top-left of `above`.
    void PaintUnder(HDC dc, const Control& above) const;
    // True while the screen pointer overrides the forms' own pointers.
    bool ShowsScreenPointer() const;
    void FocusNextControl(bool backwards);

    // Keyboard handling for the controls (keyboard_navigation.cpp). FocusMoved keeps
    // the user controls' ambient DisplayAsDefault for the window that now has the
    // focus; the Press... members return false when no control takes the key.
    void FocusMoved(HWND focus);
    bool MoveFocusForArrow(WPARAM key);
    bool PressDefaultButton();
    bool PressCancelButton();
    // Esc: the form's own use of it first (OnEscape), otherwise its cancel button.
    bool PressEscape();
    bool PressAccessKey(wchar_t key);

    // The form a window (the form itself or one of its controls) belongs to.
    static Form* FromAnyWindow(HWND hwnd);
    // Forms whose window exists.
    static int OpenFormCount();
    // From then on the last form to close runs `atEnd` (inside its window's
    // destruction: it must not throw) and posts WM_QUIT, the program's end. An empty
    // function, the default, does neither.
    static void EndProcessWithLastForm(std::function<void()> atEnd);
    // Called every time a form has been shown (tests use it to drive modal forms).
    static void SetShowHook(std::function<void(Form&)> hook);

protected:
    // Runs at the start of every load, before the window and its controls exist:
    // work it starts in the background goes on while they are made.
    virtual void OnLoadStarting() {}
    // The load handler: runs once per load, before the form is first shown.
    virtual void OnLoad() {}
    // Runs once the form is on screen after a load (its first show).
    virtual void OnShown() {}
    // Esc pressed on the form: true when the form took it for work of its own (a
    // transfer to stop), so the cancel button is not pressed.
    virtual bool OnEscape() { return false; }
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnDestroyed() override;

private:
    void CreateControls();
    // The window rectangle's size for the client area at dpi_.
    SIZE FrameSize() const;
    // WM_DPICHANGED: the window takes the suggested place, then the picture's drawing
    // for the new scale, and the controls are laid out again.
    void ChangeDpi(WPARAM wp, LPARAM lp);
    void PaintBackground(HDC dc, const RECT& area) const;
    void FocusFirstControl();
    void RunMessageLoopWhileLoaded();
    void EnableOtherForms();
    std::vector<HWND> TabOrder() const;
    UserControl* VisibleUserControl(const Control& c) const;
    void LoadPicture(HINSTANCE instance);
    void LoadArt(HINSTANCE instance);
    template <typename T>
    T& Get(const std::wstring& name);

    FormDescription description_;
    platform::WindowEvents events_;
    std::vector<std::unique_ptr<Control>> controls_;
    int dpi_ = 96;
    platform::Bitmap picture_;  // drawn for 96 dpi
    SIZE pictureSize_{};
    PictureRef art_;  // the picture drawn anew for the form's scale; null: none
    SIZE artSize_{};
    platform::Brush backBrush_;
    bool modal_ = false;
    HWND owner_ = nullptr;
    std::vector<HWND> disabledForms_;
    HWND lastFocus_ = nullptr;
};

}  // namespace forms
