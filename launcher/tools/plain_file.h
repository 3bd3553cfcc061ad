// The tests of a configured executable name and of the file it names.
#pragma once

#include <string>

namespace launcher {

// True for a plain program name, one that Windows reads as that very file in the
// tool folder: at most 100 characters ending in ".exe" (any letter case), without
// "\", "/", ":", the other characters Windows forbids in names (* ? " < > |),
// control characters, line or paragraph separators, or format characters (the
// bidirectional controls such as U+202E, zero-width characters, the byte-order
// mark); no blank or dot at its end; and not a device name (CON, PRN, AUX, NUL,
// COM1 to COM9, LPT1 to LPT9, with any extension, any letter case). Only such a
// name may be requested from the server, written into the tool folder or started.
bool IsPlainFileName(const std::wstring& name);

// True when path names an existing file that is not a folder, hidden or a system file.
bool IsPlainFile(const std::wstring& path);

}  // namespace launcher
