// A bitmap whose pixels the program reads and writes directly.
#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/handles.h"

namespace platform {

// A top-down 32-bit DIB section of cx x cy: its pixels, row by row from the top, are
// 0x00RRGGBB words at *pixels. Empty (and *pixels null) when it cannot be made.
Bitmap CreatePixelBitmap(std::int32_t cx, std::int32_t cy, std::uint32_t** pixels);

}  // namespace platform
