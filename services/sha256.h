// SHA-256 digests through the platform's CNG provider (BCrypt), and the test of a
// digest against a pin from the configuration ("sha256" of a tool section).
#pragma once

#include <windows.h>
#include <bcrypt.h>

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace services {

// The digest of bytes added in pieces.
class Sha256 {
public:
    Sha256();
    ~Sha256();
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    void Add(const void* data, std::size_t size);
    // The digest of everything added, as its 32 bytes; none when the platform could
    // not hash. Call it (or HexDigest) once.
    std::optional<std::array<unsigned char, 32>> Digest();
    // The digest of everything added, as 64 lower-case hex digits; "" when the
    // platform could not hash. Call it once.
    std::wstring HexDigest();

private:
    BCRYPT_ALG_HANDLE algorithm_ = nullptr;
    std::vector<UCHAR> state_;
    BCRYPT_HASH_HANDLE hash_ = nullptr;
    bool failed_ = false;
};

// The digest of a file's contents, or "" when it cannot be read.
std::wstring FileSha256(const std::wstring& path);

// True when `digest` is the SHA-256 that `pin` names: 64 hex digits, either letter
// case. A pin of any other form matches nothing.
bool MatchesPin(const std::wstring& digest, const std::wstring& pin);

}  // namespace services
