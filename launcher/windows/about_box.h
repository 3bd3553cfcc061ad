// "Informazioni su NorvelAssist", from the main window's system menu: what the
// helpdesk asks for over the phone (the version, the server in use, the tool folder
// and the log's path), with "Apri cartella" to open the tool folder in the file
// manager.
#pragma once

#include <windows.h>

#include "launcher/tools/session.h"

namespace launcher {

// The system menu command that opens it.
inline constexpr UINT kAboutCommand = 0x0010;

// Shows the box modally over `owner` until OK, Esc or its close box, with the
// server and the tool folder of `session`.
void ShowAboutBox(HWND owner, const Session& session);

}  // namespace launcher
