// The tests of a configured executable name and of the file it names.
#pragma once

#include <string>

namespace launcher {

// True for a plain file name: not empty, not "." or "..", and without "\", "/", ":",
// the other characters Windows forbids in names (* ? " < > |) or control characters.
// Only such a name may be downloaded into, or started from, the tool folder.
bool IsPlainFileName(const std::wstring& name);

// True when path names an existing file that is not a folder, hidden or a system file.
bool IsPlainFile(const std::wstring& path);

}  // namespace launcher
