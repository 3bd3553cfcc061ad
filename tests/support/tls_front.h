// A TLS front for a loopback HttpServer: tls_front.py, run by the machine's python3
// (and its openssl), takes TLS connections for the host name "localhost" on two
// ports and passes their bytes to the server. The certificate of the first port is
// trusted while the front lives: added to the current user's "Root" store of this
// Wine prefix, and removed again. The certificate of the second is never trusted.
//
//   testsupport::HttpServer server;
//   testsupport::TlsFront front(server);
//   ASSERT_TRUE(front.Ready());
//   front.TrustedHost();   // "localhost:PORT"
#pragma once

#include <windows.h>
#include <wincrypt.h>

#include <string>

#include "tests/support/http_server.h"

namespace testsupport {

class TlsFront {
public:
    explicit TlsFront(const HttpServer& target);
    ~TlsFront();
    TlsFront(const TlsFront&) = delete;
    TlsFront& operator=(const TlsFront&) = delete;

    // False when the front could not be started or its certificate not trusted.
    bool Ready() const { return trusted_ != 0 && added_ != nullptr; }
    std::wstring TrustedHost() const { return L"localhost:" + std::to_wstring(trusted_); }
    std::wstring UntrustedHost() const { return L"localhost:" + std::to_wstring(untrusted_); }

private:
    std::string unixFolder_;    // the script's folder, as the Linux side names it
    std::wstring folder_;       // the same folder through Wine's drive Z:
    unsigned short trusted_ = 0;
    unsigned short untrusted_ = 0;
    HCERTSTORE root_ = nullptr;
    PCCERT_CONTEXT added_ = nullptr;
};

}  // namespace testsupport
