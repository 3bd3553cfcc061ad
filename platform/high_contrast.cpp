#include "platform/high_contrast.h"

#include <atomic>

namespace platform {
namespace {

std::atomic<int> g_forced{-1};  // -1 follows the system, else 0 or 1
std::atomic<int> g_system{-1};  // -1 not read yet

bool ReadSystem() {
    HIGHCONTRASTW settings{};
    settings.cbSize = sizeof settings;
    return ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof settings, &settings, 0) &&
           (settings.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace

bool HighContrastOn() {
    if (const int forced = g_forced; forced >= 0) return forced != 0;
    if (g_system < 0) g_system = ReadSystem() ? 1 : 0;
    return g_system != 0;
}

void RefreshHighContrast() { g_system = ReadSystem() ? 1 : 0; }

void ForceHighContrast(std::optional<bool> forced) { g_forced = forced ? (*forced ? 1 : 0) : -1; }

}  // namespace platform
