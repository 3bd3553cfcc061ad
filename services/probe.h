// Folder test and HTTP HEAD probe.
#pragma once

#include <string>

#include "services/http_request.h"

namespace services {

// True when the folder exists (with or without a trailing backslash).
bool DirExists(std::wstring path);
// Creates the folder when DirExists does not find it (its parent must exist).
// True when the folder is there afterwards.
bool MakeFolderIfMissing(const std::wstring& path);

// True when a HEAD request for url answers with status 200. A url that begins with
// neither "HTTP:" nor "HTTPS:" (any letter case) gets "http://" put in front, and the
// caller's text holds the completed URL afterwards. Over https the platform's
// certificate checks apply: a server whose certificate is not trusted gives false.
// A server that has not answered within the request deadline (10 s) gives false,
// and so does a set `cancel`.
bool HttpExists(std::wstring& url, const CancelFlag* cancel = nullptr);

}  // namespace services
