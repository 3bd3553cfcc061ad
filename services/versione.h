// Reading the fixed version information (VS_FIXEDFILEINFO) of an executable.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace services {

struct FileVersionRecord {
    std::wstring StructVersion;
    std::wstring FileVersion;
    std::wstring ProductVersion;
    std::wstring FileFlags;
    std::wstring FileOS;
    std::wstring FileType;
    std::wstring FileSubtype;
};

// The file's fixed version block. Without one, nullopt, and `failure` (when given)
// receives the message that says which step failed.
std::optional<VS_FIXEDFILEINFO> ReadFixedFileInfo(const std::wstring& fileName, std::wstring* failure = nullptr);

// The file's version record; every field empty when the file has no usable version
// information (what went wrong is ReadFixedFileInfo's to tell). It shows nothing:
// the caller decides what the user sees.
FileVersionRecord ReadFileVersion(std::wstring fileName);

}  // namespace services
