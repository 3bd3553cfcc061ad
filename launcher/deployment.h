// The company's deployment: the two web servers (host or host:port) and the title
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

// "http://" + host + "/cms/images/stories/assistenza/"
std::wstring ServerBaseUrlFor(const std::wstring& host);

// The title the program was built with.
std::wstring BuiltAppTitle();

}  // namespace launcher
