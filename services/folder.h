// The folder test and the folder made when missing.
#pragma once

#include <string>

namespace services {

// True when the folder exists (with or without a trailing backslash).
bool DirExists(std::wstring path);
// Creates the folder when DirExists does not find it (its parent must exist).
// True when the folder is there afterwards.
bool MakeFolderIfMissing(const std::wstring& path);

}  // namespace services
