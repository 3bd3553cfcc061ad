// The program's one way of telling the user something: a message box with an OK
// button and the application's title. Tests replace it to record the messages.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace platform {

// The title shown on the launcher's message boxes.
void SetAppTitle(std::wstring title);
const std::wstring& AppTitle();

// What a message box shows: text, title and the MB_ICON... flag (0 for none).
using MessageSink = std::function<void(const std::wstring& text, const std::wstring& title, UINT icon)>;

// Shows a modal message box (OK button) owned by `owner`, the window that tells it,
// or without one by the active window of this thread. An empty title means the
// application's title.
void ShowMessage(const std::wstring& text, UINT icon = 0, const std::wstring& title = {}, HWND owner = nullptr);

// Asks a question with Yes and No buttons (question icon, the application's title),
// owned like ShowMessage's box; true for Yes. A sink records the question (icon
// MB_ICONQUESTION) and it counts as answered No.
bool AskYesNo(const std::wstring& text, HWND owner = nullptr);

// Sends every later ShowMessage and AskYesNo to `sink` instead of the screen; an empty sink puts
// the real message box back. Returns the sink that was in place.
MessageSink ReplaceMessageBox(MessageSink sink);

}  // namespace platform
