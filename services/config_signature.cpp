#include "services/config_signature.h"

#include "services/base64.h"
#include "services/config.h"
#include "services/sha256.h"

namespace services {
namespace {

constexpr std::string_view kSignaturePrefix = ";firma=";

SignedConfigParts Faulty(SignatureLineFault fault) {
    SignedConfigParts parts;
    parts.fault = fault;
    return parts;
}

SignatureCheck Absent(std::wstring detail) { return {SignatureOutcome::Absent, L"firma assente", std::move(detail)}; }
SignatureCheck Bad(std::wstring detail) { return {SignatureOutcome::Bad, L"firma non valida", std::move(detail)}; }

}  // namespace

SignedConfigParts SplitSignedConfig(std::string_view fileBytes) {
    if (fileBytes.size() > kConfigSizeLimit) return Faulty(SignatureLineFault::FileTooLarge);

    std::size_t lineStart = std::string_view::npos;
    for (std::size_t at = 0; at < fileBytes.size();) {
        if (fileBytes.substr(at).starts_with(kSignaturePrefix)) {
            if (lineStart != std::string_view::npos) return Faulty(SignatureLineFault::SecondSignatureLine);
            lineStart = at;
        }
        const std::size_t lineEnd = fileBytes.find('\n', at);
        if (lineEnd == std::string_view::npos) break;
        at = lineEnd + 1;
    }
    if (lineStart == std::string_view::npos) return Faulty(SignatureLineFault::NoSignatureLine);

    const std::size_t valueStart = lineStart + kSignaturePrefix.size();
    std::size_t valueEnd = fileBytes.find('\n', valueStart);
    if (valueEnd == std::string_view::npos) {
        valueEnd = fileBytes.size();
    } else {
        if (valueEnd + 1 != fileBytes.size()) return Faulty(SignatureLineFault::LineAfterSignature);
        if (valueEnd > valueStart && fileBytes[valueEnd - 1] == '\r') --valueEnd;
    }
    const std::string_view value = fileBytes.substr(valueStart, valueEnd - valueStart);
    if (value.empty()) return Faulty(SignatureLineFault::EmptyValue);
    auto der = DecodeBase64(value);
    if (!der) return Faulty(SignatureLineFault::NotBase64);
    if (der->size() > kSignatureSizeLimit) return Faulty(SignatureLineFault::SignatureTooLarge);

    SignedConfigParts parts;
    parts.signedBytes = fileBytes.substr(0, lineStart);
    parts.derSignature = std::move(*der);
    return parts;
}

std::wstring SignatureLineFaultText(SignatureLineFault fault) {
    switch (fault) {
    case SignatureLineFault::None: return L"";
    case SignatureLineFault::FileTooLarge: return L"file oltre 1 MiB";
    case SignatureLineFault::NoSignatureLine: return L"nessuna riga ;firma=";
    case SignatureLineFault::SecondSignatureLine: return L"più di una riga ;firma=";
    case SignatureLineFault::LineAfterSignature: return L"righe dopo la riga ;firma=";
    case SignatureLineFault::EmptyValue: return L"riga ;firma= vuota";
    case SignatureLineFault::NotBase64: return L"valore di ;firma= non in base64";
    case SignatureLineFault::SignatureTooLarge: return L"firma oltre 1 KiB";
    }
    return L"";
}

SignatureCheck CheckConfigSignature(const std::string& fileBytes, const std::vector<EcdsaP256Key>& keys) {
    const SignedConfigParts parts = SplitSignedConfig(fileBytes);
    if (parts.fault != SignatureLineFault::None) return Absent(SignatureLineFaultText(parts.fault));

    const auto signature = DerToRawSignature(parts.derSignature);
    if (!signature) return Bad(L"firma non in forma DER ECDSA P-256");
    if (keys.empty()) return Bad(L"nessuna chiave pubblica nel programma");
    Sha256 hash;
    hash.Add(parts.signedBytes.data(), parts.signedBytes.size());
    const auto digest = hash.Digest();
    if (!digest) return Bad(L"SHA-256 non calcolabile");
    if (!VerifiesUnderAnyKey(*digest, *signature, keys)) return Bad(L"non verificata da alcuna chiave");
    return {SignatureOutcome::Good, L"firma valida", L""};
}

SignatureCheck CheckConfigSignatureFile(const std::wstring& path, const std::vector<EcdsaP256Key>& keys) {
    const std::optional<std::string> bytes = ReadFileBytes(path, kConfigSizeLimit);
    if (!bytes) return Absent(L"file illeggibile o oltre 1 MiB");
    return CheckConfigSignature(*bytes, keys);
}

}  // namespace services
