// Folder test and HTTP HEAD probe.
#pragma once

#include <string>

namespace services {

// True when the folder exists (with or without a trailing backslash).
bool DirExists(std::wstring path);
// Creates the folder when DirExists does not find it (its parent must exist).
void MakeFolderIfMissing(const std::wstring& path);

// True when a HEAD request for url answers with status 200. A url that does not
// begin with "HTTP:" (any letter case) gets "http://" put in front, and the caller's
// text holds the completed URL afterwards.
bool HttpExists(std::wstring& url);

}  // namespace services
