// Lets the windows of this thread repaint and take input in the middle of a long
// job that runs on the user-interface thread.
#pragma once

namespace platform {

// Dispatches every message waiting in this thread's queue, then returns. Without
// `paint`, windows waiting to be repainted keep waiting for a later pass.
void ProcessPendingMessages(bool paint = true);

}  // namespace platform
