#include "launcher/deployment.h"

#include "platform/text.h"

#ifndef NORVEL_PRIMARY_HOST
#error "NORVEL_PRIMARY_HOST comes from the CMake cache"
#endif

namespace launcher {
namespace {

Deployment& Current() {
    static Deployment deployment{platform::FromUtf8(NORVEL_PRIMARY_HOST), platform::FromUtf8(NORVEL_FALLBACK_HOST)};
    return deployment;
}

}  // namespace

const Deployment& CurrentDeployment() { return Current(); }
void SetDeployment(Deployment deployment) { Current() = std::move(deployment); }

namespace {
constexpr std::wstring_view kHttps = L"https://";
bool IsHttps(const std::wstring& host) { return platform::ToUpper(host.substr(0, kHttps.size())) == L"HTTPS://"; }
}  // namespace

std::wstring BareHost(const std::wstring& host) { return IsHttps(host) ? host.substr(kHttps.size()) : host; }

std::wstring SchemeFor(const std::wstring& host) { return IsHttps(host) ? L"https://" : L"http://"; }

std::wstring ServerBaseUrlFor(const std::wstring& host) {
    return SchemeFor(host) + BareHost(host) + L"/cms/images/stories/assistenza/";
}

std::wstring BuiltAppTitle() { return platform::FromUtf8(NORVEL_APP_TITLE); }

}  // namespace launcher
