#include "launcher/app/deployment.h"

#include "platform/text.h"
#include "services/url_scheme.h"

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

std::wstring BareHost(const std::wstring& host) { return host.substr(services::SchemeOf(host).length); }

std::wstring SchemeFor(const std::wstring& host) { return services::SchemeOf(host).https ? L"https://" : L"http://"; }

std::wstring ServerBaseUrlFor(const std::wstring& host) {
    return SchemeFor(host) + BareHost(host) + L"/cms/images/stories/assistenza/";
}

std::wstring BuiltAppTitle() { return platform::FromUtf8(NORVEL_APP_TITLE); }

}  // namespace launcher
