#include "services/base64.h"

namespace services {
namespace {

// The 6-bit value of an alphabet character, or -1.
int Sextet(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

}  // namespace

std::optional<std::vector<unsigned char>> DecodeBase64(std::string_view text) {
    if (text.size() % 4 != 0) return std::nullopt;
    std::size_t padding = 0;
    if (!text.empty() && text.back() == '=') padding = text[text.size() - 2] == '=' ? 2 : 1;

    std::vector<unsigned char> bytes;
    bytes.reserve(text.size() / 4 * 3);
    const std::size_t dataChars = text.size() - padding;
    unsigned bits = 0;
    int bitCount = 0;
    for (std::size_t i = 0; i < dataChars; ++i) {
        const int sextet = Sextet(text[i]);
        if (sextet < 0) return std::nullopt;  // also an "=" before the end
        bits = (bits << 6) | static_cast<unsigned>(sextet);
        bitCount += 6;
        if (bitCount >= 8) {
            bitCount -= 8;
            bytes.push_back(static_cast<unsigned char>(bits >> bitCount));
            bits &= (1u << bitCount) - 1;
        }
    }
    if (bits != 0) return std::nullopt;  // left-over bits of a padded group must be zero
    return bytes;
}

}  // namespace services
