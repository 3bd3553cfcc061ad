#include "services/publisher.h"

#include <windows.h>
#include <wincrypt.h>
#include <wintrust.h>
#include <softpub.h>

#include "platform/late_bound.h"
#include "platform/text.h"

namespace services {
namespace {

constexpr const wchar_t* kWintrust = L"wintrust.dll";
constexpr const wchar_t* kCrypt32 = L"crypt32.dll";

// Revocation is not asked for (in the file's check nor in the chain's): it needs the
// certificate authority's servers, which a customer's network may not reach, and a
// support tool must start there too. A revoked publisher is dropped from the
// configuration's "firmatario" instead.
bool PassesAuthenticodePolicy(PCCERT_CHAIN_CONTEXT chain) {
    static const auto verifyPolicy = platform::LateBound<decltype(::CertVerifyCertificateChainPolicy)>(
        kCrypt32, "CertVerifyCertificateChainPolicy");
    if (!chain || !verifyPolicy) return false;
    CERT_CHAIN_POLICY_PARA para{};
    para.cbSize = sizeof para;
    para.dwFlags = CERT_CHAIN_POLICY_IGNORE_ALL_REV_UNKNOWN_FLAGS;
    CERT_CHAIN_POLICY_STATUS status{};
    status.cbSize = sizeof status;
    return verifyPolicy(CERT_CHAIN_POLICY_AUTHENTICODE, chain, &para, &status) && status.dwError == 0;
}

std::wstring SimpleDisplayName(PCCERT_CONTEXT certificate) {
    static const auto getName = platform::LateBound<decltype(::CertGetNameStringW)>(kCrypt32, "CertGetNameStringW");
    if (!certificate || !getName) return {};
    const DWORD size = getName(certificate, CERT_NAME_SIMPLE_DISPLAY_TYPE, 0, nullptr, nullptr, 0);
    if (size <= 1) return {};
    std::wstring name(size, L'\0');
    getName(certificate, CERT_NAME_SIMPLE_DISPLAY_TYPE, 0, nullptr, name.data(), size);
    name.resize(size - 1);
    return name;
}

// The name of the file's signer when the signature is valid and its chain passes the
// policy; "" otherwise.
std::wstring VerifiedSigner(const std::wstring& file) {
    static const auto verify = platform::LateBound<decltype(::WinVerifyTrust)>(kWintrust, "WinVerifyTrust");
    static const auto stateData = platform::LateBound<decltype(::WTHelperProvDataFromStateData)>(
        kWintrust, "WTHelperProvDataFromStateData");
    static const auto signerOf = platform::LateBound<decltype(::WTHelperGetProvSignerFromChain)>(
        kWintrust, "WTHelperGetProvSignerFromChain");
    static const auto certificateOf = platform::LateBound<decltype(::WTHelperGetProvCertFromChain)>(
        kWintrust, "WTHelperGetProvCertFromChain");
    if (!verify || !stateData || !signerOf || !certificateOf) return {};

    WINTRUST_FILE_INFO info{};
    info.cbStruct = sizeof info;
    info.pcwszFilePath = file.c_str();
    WINTRUST_DATA data{};
    data.cbStruct = sizeof data;
    data.dwUIChoice = WTD_UI_NONE;
    data.fdwRevocationChecks = WTD_REVOKE_NONE;
    data.dwUnionChoice = WTD_CHOICE_FILE;
    data.pFile = &info;
    data.dwStateAction = WTD_STATEACTION_VERIFY;
    data.dwProvFlags = WTD_CACHE_ONLY_URL_RETRIEVAL;
    GUID action = WINTRUST_ACTION_GENERIC_VERIFY_V2;
    const HWND noWindow = static_cast<HWND>(INVALID_HANDLE_VALUE);
    std::wstring name;
    if (verify(noWindow, &action, &data) == ERROR_SUCCESS) {
        CRYPT_PROVIDER_DATA* provider = stateData(data.hWVTStateData);
        CRYPT_PROVIDER_SGNR* signer = provider ? signerOf(provider, 0, FALSE, 0) : nullptr;
        CRYPT_PROVIDER_CERT* leaf = signer ? certificateOf(signer, 0) : nullptr;
        if (leaf && PassesAuthenticodePolicy(signer->pChainContext)) name = SimpleDisplayName(leaf->pCert);
    }
    data.dwStateAction = WTD_STATEACTION_CLOSE;  // frees what the check kept
    verify(noWindow, &action, &data);
    return name;
}

}  // namespace

std::vector<std::wstring> PublisherNames(const std::wstring& list) {
    std::vector<std::wstring> names;
    for (std::size_t start = 0; start <= list.size();) {
        std::size_t end = list.find(L';', start);
        if (end == std::wstring::npos) end = list.size();
        std::wstring name = list.substr(start, end - start);
        name.erase(0, name.find_first_not_of(L" \t"));
        name.erase(name.find_last_not_of(L" \t") + 1);
        if (!name.empty()) names.push_back(name);
        start = end + 1;
    }
    return names;
}

bool SignedByPublisher(const std::wstring& file, const std::wstring& publishers) {
    const std::vector<std::wstring> names = PublisherNames(publishers);
    if (names.empty()) return false;
    const std::wstring signer = VerifiedSigner(file);
    if (signer.empty()) return false;
    for (const std::wstring& name : names)
        if (platform::SameTextIgnoringCase(name, signer)) return true;
    return false;
}

}  // namespace services
