// ECDSA on the NIST P-256 curve with SHA-256: the signature's DER form turned into
// the r‖s form CNG takes, and the check of a digest through CNG (bcrypt.dll, loaded
// from the system folder on the first check).
#pragma once

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace services {

// A public key as its uncompressed point without the 0x04 prefix: X‖Y, 32 bytes each,
// big-endian.
using EcdsaP256Key = std::array<unsigned char, 64>;
// A signature as r‖s, 32 bytes each, big-endian.
using EcdsaP256Signature = std::array<unsigned char, 64>;

// The r‖s of a DER signature, SEQUENCE { INTEGER r, INTEGER s }, each integer
// left-padded with zeros to 32 bytes. None unless the bytes are exactly that in DER:
// tags 0x30 and 0x02, short-form lengths only (every length of a P-256 signature is
// below 128, so a long form is never the minimal one), lengths that fit their
// container, each integer 1 to 33 bytes, non-negative (a first byte below 0x80), a
// 0x00 sign byte only where the next byte is 0x80 or more, at most 32 bytes without
// it, and nothing after the sequence.
std::optional<EcdsaP256Signature> DerToRawSignature(std::span<const unsigned char> der);

// True when `signature` is a valid signature of the SHA-256 digest `digest` under at
// least one of `keys`. False for no keys, a signature that verifies under none, or
// when CNG cannot check (that failure is logged, as is a key it refuses).
bool VerifiesUnderAnyKey(const std::array<unsigned char, 32>& digest, const EcdsaP256Signature& signature,
                         const std::vector<EcdsaP256Key>& keys);

}  // namespace services
