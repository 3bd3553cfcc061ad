// Driving real windows of another process, as a user or assistive technology
// would: find top-level windows by caption, find controls by their text, click
// them, read texts, read and dismiss message boxes. Used by the end-to-end test,
// the start-up benchmark and the demo.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace uidriver {

// A visible top-level window with exactly this caption (of process `pid`, when not
// 0), or nullptr.
HWND FindTopWindow(const std::wstring& caption, DWORD pid = 0);
// Waits up to timeoutMs for such a window; nullptr when none came.
HWND WaitForTopWindow(const std::wstring& caption, DWORD pid = 0, int timeoutMs = 20000);
// Waits until the window is gone (or timeoutMs passed); true when gone.
bool WaitUntilGone(HWND hwnd, int timeoutMs = 20000);

// A child window (any depth) whose text is exactly `text`, or nullptr.
HWND FindChildByText(HWND parent, const std::wstring& text);
// The visible child windows in creation order.
std::vector<HWND> Children(HWND parent);
std::wstring Text(HWND hwnd);
std::wstring ClassName(HWND hwnd);

// Presses and releases the left mouse button in the middle of the window (posted
// messages, so the target may block in the handler, e.g. in a modal dialog).
void Click(HWND hwnd);

// A message box of process `pid` (dialog class "#32770" with this title): waits for
// it and returns it, or nullptr.
HWND WaitForMessageBox(const std::wstring& title, DWORD pid = 0, int timeoutMs = 20000);
// The message text of a message box.
std::wstring MessageBoxText(HWND box);
// Presses its OK button.
void DismissMessageBox(HWND box);

// Screen rectangle of a window.
RECT ScreenRect(HWND hwnd);

}  // namespace uidriver
