// Lets the windows of this thread repaint and take input in the middle of a long
// job that runs on the user-interface thread.
#pragma once

namespace platform {

// Dispatches every message waiting in this thread's queue, then returns.
void ProcessPendingMessages();

}  // namespace platform
