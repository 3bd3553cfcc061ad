// The scheme a URL (or a configured host) begins with.
#pragma once

#include <cstddef>
#include <string_view>

namespace services {

// "http:" or "https:" in any letter case, with the "//" after it when there is
// one. The program's one reading of a scheme.
struct UrlScheme {
    bool present = false;
    bool https = false;
    std::size_t length = 0;  // of the scheme and its "//"
};
UrlScheme SchemeOf(std::wstring_view url);

}  // namespace services
