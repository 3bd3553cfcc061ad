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
// receives the log's text of the step that failed ("nessuna informazione di
// versione", "informazioni di versione illeggibili", "blocco di versione fisso
// illeggibile").
std::optional<VS_FIXEDFILEINFO> ReadFixedFileInfo(const std::wstring& fileName, std::wstring* failure = nullptr);

// The file's version record; every field empty when the file has no usable version
// information, and what went wrong is logged. It shows nothing: the caller decides
// what the user sees.
FileVersionRecord ReadFileVersion(std::wstring fileName);

}  // namespace services
