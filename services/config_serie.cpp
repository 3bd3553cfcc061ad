#include "services/config_serie.h"

#include <limits>

namespace services {

std::optional<std::uint64_t> ParseSerie(std::wstring_view value) {
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t number = 0;
    for (wchar_t c : value) {
        if (c < L'0' || c > L'9') return std::nullopt;
        const unsigned digit = static_cast<unsigned>(c - L'0');
        if (number > (kMax - digit) / 10) return std::nullopt;
        number = number * 10 + digit;
    }
    return number;
}

}  // namespace services
