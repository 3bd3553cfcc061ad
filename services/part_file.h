// The file a download writes into before it replaces its target, and the names such
// files have.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/handles.h"

namespace services {

inline constexpr std::wstring_view kPartSuffix = L".download";

// The path with the "\\?\" prefix that lifts the length limit.
std::wstring LongPath(const std::wstring& path);

// The file the body is written into before it replaces the target: next to it, named
// "TARGET.PID-N.download", created new and held without sharing, deleted unless it
// has replaced the target.
class PartFile {
public:
    explicit PartFile(const std::wstring& target);
    ~PartFile();
    PartFile(const PartFile&) = delete;
    PartFile& operator=(const PartFile&) = delete;

    explicit operator bool() const { return static_cast<bool>(file_); }
    bool Write(const void* data, DWORD size);
    const std::wstring& Path() const { return path_; }
    // Closes the file, so it can be read and moved.
    void Close() { file_.reset(); }
    // Closes the file and moves it over `target`.
    bool ReplaceTarget(const std::wstring& target);

private:
    std::wstring path_;
    platform::File file_;
    bool kept_ = false;
};

}  // namespace services
