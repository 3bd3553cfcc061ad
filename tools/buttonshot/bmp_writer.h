// Writes the pixels of a window area as a 24-bit BMP file.
#pragma once

#include <windows.h>

#include <string>

namespace buttonshot {

// Copies width x height pixels at (x, y) of `source` and writes them to `path`.
// Returns false when the file cannot be written.
bool WriteBmp24(HDC source, int x, int y, int width, int height, const std::wstring& path);

}  // namespace buttonshot
