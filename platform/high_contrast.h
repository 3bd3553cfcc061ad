// The system's high-contrast look: when it is on, the program's own drawing uses
// the system colours only.
#pragma once

#include <windows.h>

#include <optional>

namespace platform {

// True when SPI_GETHIGHCONTRAST reports HCF_HIGHCONTRASTON (read on the first call
// and by RefreshHighContrast), unless forced.
bool HighContrastOn();
// Reads the system's setting again: on WM_SYSCOLORCHANGE, WM_SETTINGCHANGE and
// WM_THEMECHANGED.
void RefreshHighContrast();
// Forces the answer (buttonshot's "highContrast", the tests: Wine cannot turn high
// contrast on); nullopt follows the system again.
void ForceHighContrast(std::optional<bool> forced);

}  // namespace platform
