#include "tests/support/tls_front.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/text.h"
#include "tests/support/temp_folder.h"
#include "tests/support/wine_path.h"

namespace testsupport {

TlsFront::TlsFront(const HttpServer& target) {
    static std::atomic<unsigned> counter{0};
    unixFolder_ = std::string(NORVEL_TLS_WORK_DIR) + "/" + std::to_string(::GetCurrentProcessId()) + "-" +
                  std::to_string(++counter) + "-" + std::to_string(::GetTickCount());
    folder_ = WinePath(unixFolder_);

    // The script is a Linux program: Wine starts it but cannot end it, so it ends by
    // itself when the stop file appears (or after two minutes).
    std::wstring command = L"python3 \"" + platform::FromUtf8(NORVEL_TLS_FRONT_SCRIPT) + L"\" \"" + platform::FromUtf8(unixFolder_) + L"\" " +
                           std::to_wstring(target.Port());
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(L"Z:\\usr\\bin\\python3", command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process))
        return;
    if (process.hThread) ::CloseHandle(process.hThread);
    if (process.hProcess) ::CloseHandle(process.hProcess);

    // Two RSA keys and certificates take a moment.
    for (int waited = 0; waited < 30000 && trusted_ == 0; waited += 50) {
        std::ifstream ports(std::filesystem::path(folder_ + L"\\ports"));
        unsigned first = 0, second = 0;
        if (ports >> first >> second) {
            trusted_ = static_cast<unsigned short>(first);
            untrusted_ = static_cast<unsigned short>(second);
        } else {
            ::Sleep(50);
        }
    }
    if (trusted_ == 0) return;

    const std::string der = ReadWholeFile(folder_ + L"\\trusted.der");
    root_ = ::CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0, CERT_SYSTEM_STORE_CURRENT_USER, L"Root");
    if (!root_ || der.empty()) return;
    ::CertAddEncodedCertificateToStore(root_, X509_ASN_ENCODING, reinterpret_cast<const BYTE*>(der.data()),
                                       static_cast<DWORD>(der.size()), CERT_STORE_ADD_REPLACE_EXISTING, &added_);
    // Written to the prefix's registry now, where the certificate checks look for it.
    ::CertControlStore(root_, 0, CERT_STORE_CTRL_COMMIT, nullptr);
}

TlsFront::~TlsFront() {
    if (added_) ::CertDeleteCertificateFromStore(added_);  // frees the context too
    if (root_) ::CertControlStore(root_, 0, CERT_STORE_CTRL_COMMIT, nullptr);
    if (root_) ::CertCloseStore(root_, 0);
    WriteWholeFile(folder_ + L"\\stop", "");
    // The script removes its folder as it ends.
    for (int waited = 0; waited < 5000 && ::GetFileAttributesW(folder_.c_str()) != INVALID_FILE_ATTRIBUTES;
         waited += 50)
        ::Sleep(50);
}

}  // namespace testsupport
