// Lets the windows of this thread repaint and take input in the middle of a long
// job that runs on the user-interface thread.
#pragma once

#include <windows.h>

namespace platform {

// The keys the program's windows treat themselves (Tab, Enter, Esc, access keys):
// given every message before it is dispatched, true when it took it. Installed
// once by the windows' own message loop, so that this pass handles keys as that
// loop does.
using MessageFilter = bool (*)(const MSG& msg);
void SetMessageFilter(MessageFilter filter);

// Dispatches every message waiting in this thread's queue, then returns. Without
// `paint`, windows waiting to be repainted keep waiting for a later pass.
void ProcessPendingMessages(bool paint = true);

}  // namespace platform
