// The company's deployment: the two web servers (host or host:port, optionally
// with "https://" in front) and the title
// of the message boxes, fixed when the program is built.
#pragma once

#include <string>

namespace launcher {

struct Deployment {
    std::wstring primaryHost;
    std::wstring fallbackHost;
};

// The hosts the program was built with, unless a test replaced them.
const Deployment& CurrentDeployment();
void SetDeployment(Deployment deployment);

// A configured host is "host" or "host:port", either with an optional "https://"
// (any letter case) in front: then every URL of that server uses https. ("http://"
// in front is taken off as well.)
// The host without its scheme, as Label2 shows it.
std::wstring BareHost(const std::wstring& host);
// "https://" for a host configured with it, "http://" otherwise.
std::wstring SchemeFor(const std::wstring& host);
// SchemeFor(host) + BareHost(host) + "/cms/images/stories/assistenza/"
std::wstring ServerBaseUrlFor(const std::wstring& host);

// The title the program was built with.
std::wstring BuiltAppTitle();

}  // namespace launcher
