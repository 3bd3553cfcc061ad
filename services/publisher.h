// Who published an executable: its Authenticode signature as the system verifies it
// (no user interface, no network), the signer's certificate chain under the
// Authenticode chain policy, and the signing certificate's name. wintrust.dll and
// crypt32.dll are loaded from the system folder on the first check.
#pragma once

#include <string>
#include <vector>

namespace services {

// The names of a "firmatario" value: separated by ";", blanks around each dropped,
// empty ones left out.
std::vector<std::wstring> PublisherNames(const std::wstring& list);

// True when the file's signature is valid (WinVerifyTrust, generic verify), its
// signer's chain passes CertVerifyCertificateChainPolicy(AUTHENTICODE) (checked
// here: some WinVerifyTrust implementations skip the chain of SHA-256 certificates
// and would take one from any root), and the signing certificate's simple display
// name equals one of `publishers`' names, compared case-insensitively. False for an
// unsigned or altered file, an untrusted root, another name, or no names at all.
bool SignedByPublisher(const std::wstring& file, const std::wstring& publishers);

}  // namespace services
