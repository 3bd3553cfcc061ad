// Standard base64 (RFC 4648 alphabet "A-Z a-z 0-9 + /", "=" padding) as openssl's
// `base64 -w0` writes it.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace services {

// The bytes `text` encodes; none unless it is strict, padded base64: a length that is
// a multiple of 4, only alphabet characters (no blanks or line breaks), "=" only as
// the last one or two characters, and the bits the padding leaves over all zero (the
// one encoding a writer produces). "" decodes to no bytes.
std::optional<std::vector<unsigned char>> DecodeBase64(std::string_view text);

}  // namespace services
