#include "services/url_scheme.h"

#include "platform/text.h"

namespace services {

UrlScheme SchemeOf(std::wstring_view url) {
    UrlScheme scheme;
    for (const std::wstring_view name : {std::wstring_view(L"http:"), std::wstring_view(L"https:")}) {
        if (url.size() < name.size() || !platform::SameTextIgnoringCase(url.substr(0, name.size()), name)) continue;
        scheme = {true, name.size() == 6, name.size()};
        if (url.substr(name.size(), 2) == L"//") scheme.length += 2;
    }
    return scheme;
}

}  // namespace services
