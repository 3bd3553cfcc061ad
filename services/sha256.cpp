#include "services/sha256.h"

#include <climits>

#include "platform/handles.h"
#include "services/cng.h"

namespace services {

Sha256::Sha256() {
    const Cng& cng = TheCng();
    DWORD objectSize = 0;
    ULONG got = 0;
    failed_ = !cng.Loaded() ||
              !BCRYPT_SUCCESS(cng.openAlgorithm(&algorithm_, BCRYPT_SHA256_ALGORITHM, nullptr, 0)) ||
              !BCRYPT_SUCCESS(cng.getProperty(algorithm_, BCRYPT_OBJECT_LENGTH,
                                                  reinterpret_cast<PUCHAR>(&objectSize), sizeof(objectSize), &got, 0));
    if (failed_) return;
    state_.resize(objectSize);
    failed_ = !BCRYPT_SUCCESS(TheCng().createHash(algorithm_, &hash_, state_.data(), objectSize, nullptr, 0, 0));
}

Sha256::~Sha256() {
    if (hash_) TheCng().destroyHash(hash_);
    if (algorithm_) TheCng().closeAlgorithm(algorithm_, 0);
}

void Sha256::Add(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const UCHAR*>(data);
    while (!failed_ && size > 0) {
        const ULONG piece = size > ULONG_MAX ? ULONG_MAX : static_cast<ULONG>(size);
        failed_ = !BCRYPT_SUCCESS(TheCng().hashData(hash_, const_cast<PUCHAR>(bytes), piece, 0));
        bytes += piece;
        size -= piece;
    }
}

std::optional<std::array<unsigned char, 32>> Sha256::Digest() {
    std::array<unsigned char, 32> digest;
    if (failed_ || !BCRYPT_SUCCESS(TheCng().finishHash(hash_, digest.data(), digest.size(), 0))) return std::nullopt;
    failed_ = true;  // a finished hash takes no more data
    return digest;
}

std::wstring Sha256::HexDigest() {
    const auto digest = Digest();
    if (!digest) return {};
    static constexpr wchar_t kHex[] = L"0123456789abcdef";
    std::wstring text;
    for (unsigned char b : *digest) {
        text += kHex[b >> 4];
        text += kHex[b & 15];
    }
    return text;
}

std::wstring FileSha256(const std::wstring& path) {
    platform::File file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return {};
    Sha256 hash;
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        DWORD read = 0;
        if (!::ReadFile(file.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr)) return {};
        if (read == 0) break;
        hash.Add(buffer.data(), read);
    }
    return hash.HexDigest();
}

bool MatchesPin(const std::wstring& digest, const std::wstring& pin) {
    if (digest.size() != 64 || pin.size() != 64) return false;
    for (std::size_t i = 0; i < 64; ++i) {
        wchar_t c = pin[i];
        if (c >= L'A' && c <= L'F') c = static_cast<wchar_t>(c - L'A' + L'a');
        if (c != digest[i]) return false;
    }
    return true;
}

}  // namespace services
