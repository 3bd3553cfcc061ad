// The signature of the configuration file "norvelassist.ini". The company signs the
// file with an ECDSA P-256 key (scripts/sign-config) and the launcher carries the
// public keys (config_keys.h). The signature is the file's last line:
//
//     ;firma=<base64 of the DER ECDSA-SHA256 signature>
//
// as `openssl dgst -sha256 -sign KEY.pem | base64 -w0` writes it. To readers that know
// nothing of it the line is a comment. It signs every byte before it: the bytes up to
// and including the line break that ends the line above it (all of the file before
// the line's ";"). The line's own terminator is not signed and may be "\n", "\r\n" or
// nothing; a lone "\r" at the file's end is not a terminator (the value is then not
// base64).
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "services/ecdsa_p256.h"

namespace services {

inline constexpr std::size_t kConfigSizeLimit = 1024 * 1024;  // larger files count as unsigned
inline constexpr std::size_t kSignatureSizeLimit = 1024;      // larger decoded signatures likewise

// Why a file does not carry a well-formed signature line.
enum class SignatureLineFault {
    None,
    FileTooLarge,         // over kConfigSizeLimit bytes
    NoSignatureLine,      // no line begins with ";firma="
    SecondSignatureLine,  // more than one line begins with ";firma="
    LineAfterSignature,   // any byte after the signature line's terminator
    EmptyValue,           // ";firma=" with nothing after it
    NotBase64,            // a value that DecodeBase64 refuses
    SignatureTooLarge,    // decoded to over kSignatureSizeLimit bytes
};

// A file split into what is signed and the signature; `signedBytes` views the
// bytes given to SplitSignedConfig.
struct SignedConfigParts {
    SignatureLineFault fault = SignatureLineFault::None;  // the parts are set only when None
    std::string_view signedBytes;
    std::vector<unsigned char> derSignature;
};

// Splits the file's bytes. A signature line is a line that begins with ";firma="
// exactly (at the file's start or after a "\n"; letter case counts); lines end at
// "\n". The file must have exactly one, and it must be the last line.
SignedConfigParts SplitSignedConfig(std::string_view fileBytes);

// Italian words for the log: "file oltre 1 MiB", "nessuna riga ;firma=", ...; "" for None.
std::wstring SignatureLineFaultText(SignatureLineFault fault);

enum class SignatureOutcome {
    Good,    // the signature verifies under one of the keys
    Absent,  // no well-formed signature line (SplitSignedConfig's faults), or unreadable
    Bad,     // a well-formed line whose signature verifies under none of the keys
};

struct SignatureCheck {
    SignatureOutcome outcome = SignatureOutcome::Absent;
    std::wstring reason;  // "firma valida", "firma assente" or "firma non valida"
    std::wstring detail;  // for the log: why it is absent or bad ("" when good)
};

// Checks the file's bytes against the public keys: good when the signature verifies
// under any one of them. No keys make every signature bad. Logs only failures of the
// platform (CNG missing, a key it refuses); the caller logs the outcome.
SignatureCheck CheckConfigSignature(const std::string& fileBytes, const std::vector<EcdsaP256Key>& keys);

// The same for a file on disk; a file that cannot be read or is over
// kConfigSizeLimit is absent.
SignatureCheck CheckConfigSignatureFile(const std::wstring& path, const std::vector<EcdsaP256Key>& keys);

}  // namespace services
