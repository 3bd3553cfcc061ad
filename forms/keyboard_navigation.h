// The keys a form handles for its controls, the way a dialog does: Tab and
// Shift+Tab through the tab order, the arrow keys a control posts to its form,
// Enter for the focused push button or the one that shows the default outline,
// Esc for the form's own use of it (a transfer to stop) or else its cancel button,
// and access keys (Alt+letter anywhere on the form, the letter alone while a button
// has the focus). The form also keeps each user control's ambient
// DisplayAsDefault as a dialog keeps its default push button.
#pragma once

#include <windows.h>

namespace forms {

class UserControl;

// Handles the keys the forms treat themselves; true when the message is consumed.
bool PreTranslateFormMessage(const MSG& msg);

// The user control behind a window, or nullptr.
UserControl* UserControlOf(HWND hwnd);

// A push button: a user control (the forms host only buttons) or a system push button.
bool IsPushButtonWindow(HWND hwnd);

// Ambient DisplayAsDefault of one button: True for the focused button; while the
// focus is not on a button, True for the form's default button; False otherwise.
constexpr bool DisplaysAsDefault(bool focused, bool focusOnButton, bool isDefaultButton) {
    return focused || (!focusOnButton && isDefaultButton);
}

}  // namespace forms
