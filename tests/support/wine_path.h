// A path of the build machine (UTF-8) as Wine shows it through drive Z:.
#pragma once

#include <string>

#include "platform/text.h"

namespace testsupport {

inline std::wstring WinePath(const std::string& unixPath) {
    std::wstring path = L"Z:" + platform::FromUtf8(unixPath);
    for (wchar_t& c : path)
        if (c == L'/') c = L'\\';
    return path;
}

}  // namespace testsupport
