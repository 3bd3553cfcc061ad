#include "services/ecdsa_p256.h"

#include <windows.h>
#include <bcrypt.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/handles.h"
#include "platform/log.h"
#include "services/cng.h"

namespace services {
namespace {

constexpr std::size_t kHalf = 32;

// Reads one DER element with tag `tag` at `at`: its contents, and `at` moved past it.
// None for another tag, a long-form length or a length that overruns `der`.
std::optional<std::span<const unsigned char>> ReadElement(std::span<const unsigned char> der, std::size_t& at,
                                                          unsigned char tag) {
    if (der.size() - at < 2 || der[at] != tag) return std::nullopt;
    const std::size_t length = der[at + 1];
    if (length >= 0x80 || der.size() - at - 2 < length) return std::nullopt;
    const auto contents = der.subspan(at + 2, length);
    at += 2 + length;
    return contents;
}

// A non-negative, minimally encoded INTEGER's contents, left-padded to 32 bytes into `out`.
bool ToHalf(std::span<const unsigned char> integer, unsigned char* out) {
    if (integer.empty() || integer[0] >= 0x80) return false;  // empty or negative
    if (integer[0] == 0x00 && integer.size() > 1) {
        if (integer[1] < 0x80) return false;  // a sign byte that is not needed
        integer = integer.subspan(1);
    }
    if (integer.size() > kHalf) return false;
    std::memset(out, 0, kHalf - integer.size());
    std::memcpy(out + kHalf - integer.size(), integer.data(), integer.size());
    return true;
}

void CloseProvider(BCRYPT_ALG_HANDLE h) noexcept { TheCng().closeAlgorithm(h, 0); }
void DestroyKey(BCRYPT_KEY_HANDLE h) noexcept { TheCng().destroyKey(h); }
using Provider = platform::Owned<BCRYPT_ALG_HANDLE, CloseProvider>;
using Key = platform::Owned<BCRYPT_KEY_HANDLE, DestroyKey>;

std::wstring StatusText(NTSTATUS status) {
    wchar_t text[16];
    std::swprintf(text, 16, L"0x%08lX", static_cast<unsigned long>(status));
    return text;
}

Key ImportKey(BCRYPT_ALG_HANDLE provider, const EcdsaP256Key& point) {
    unsigned char blob[sizeof(BCRYPT_ECCKEY_BLOB) + 64];
    const BCRYPT_ECCKEY_BLOB header{BCRYPT_ECDSA_PUBLIC_P256_MAGIC, kHalf};
    std::memcpy(blob, &header, sizeof header);
    std::memcpy(blob + sizeof header, point.data(), point.size());
    BCRYPT_KEY_HANDLE key = nullptr;
    const NTSTATUS status =
        TheCng().importKeyPair(provider, nullptr, BCRYPT_ECCPUBLIC_BLOB, &key, blob, sizeof blob, 0);
    if (!BCRYPT_SUCCESS(status)) {
        platform::Log(L"firma della configurazione: chiave pubblica rifiutata da BCryptImportKeyPair (" +
                      StatusText(status) + L")");
        return Key();
    }
    return Key(key);
}

}  // namespace

std::optional<EcdsaP256Signature> DerToRawSignature(std::span<const unsigned char> der) {
    std::size_t at = 0;
    const auto sequence = ReadElement(der, at, 0x30);
    if (!sequence || at != der.size()) return std::nullopt;
    std::size_t inner = 0;
    const auto r = ReadElement(*sequence, inner, 0x02);
    const auto s = r ? ReadElement(*sequence, inner, 0x02) : std::nullopt;
    if (!s || inner != sequence->size()) return std::nullopt;
    EcdsaP256Signature raw;
    if (!ToHalf(*r, raw.data()) || !ToHalf(*s, raw.data() + kHalf)) return std::nullopt;
    return raw;
}

bool VerifiesUnderAnyKey(const std::array<unsigned char, 32>& digest, const EcdsaP256Signature& signature,
                         const std::vector<EcdsaP256Key>& keys) {
    if (keys.empty()) return false;
    const Cng& cng = TheCng();
    if (!cng.Loaded()) {
        platform::Log(L"firma della configurazione: bcrypt.dll senza le funzioni ECDSA");
        return false;
    }
    BCRYPT_ALG_HANDLE opened = nullptr;
    const NTSTATUS openStatus = cng.openAlgorithm(&opened, BCRYPT_ECDSA_P256_ALGORITHM, nullptr, 0);
    if (!BCRYPT_SUCCESS(openStatus)) {
        platform::Log(L"firma della configurazione: ECDSA P-256 non disponibile (" + StatusText(openStatus) + L")");
        return false;
    }
    const Provider provider(opened);
    for (const EcdsaP256Key& point : keys) {
        const Key key = ImportKey(provider.get(), point);
        if (!key) continue;
        const NTSTATUS status = cng.verifySignature(key.get(), nullptr, const_cast<PUCHAR>(digest.data()),
                                                    digest.size(), const_cast<PUCHAR>(signature.data()),
                                                    signature.size(), 0);
        if (BCRYPT_SUCCESS(status)) return true;
        if (status != static_cast<NTSTATUS>(0xC000A000L))  // STATUS_INVALID_SIGNATURE: simply not this key
            platform::Log(L"firma della configurazione: BCryptVerifySignature non riuscita (" + StatusText(status) +
                          L")");
    }
    return false;
}

}  // namespace services
