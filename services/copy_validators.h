// The validators of a local copy, kept in a file beside it, so that the next request
// for the file can ask the server whether it is still that copy.
#pragma once

#include <string>

#include "services/download.h"

namespace services {

// The file that holds the validators of the copy at `copyPath`: its name and
// ".validatori". Three lines of UTF-8: "etag=", "last-modified=" and "sha256=" of
// the copy they were kept for.
std::wstring CopyValidatorsPath(const std::wstring& copyPath);

// The validators kept for the copy at `copyPath`; none when there is no such file,
// when it is not in that form or a value could not be sent as a header, and when
// the copy's bytes are no longer the ones they were kept for.
Validators ReadCopyValidators(const std::wstring& copyPath);

// Keeps `validators` for the copy now at `copyPath`; with none, removes the file.
// A file that cannot be written is logged and removed: no validators, no
// conditional request.
void KeepCopyValidators(const std::wstring& copyPath, const Validators& validators);

}  // namespace services
