// The program's one BMP writer: pixels of a device context as a 24-bit BMP file
// (buttonshot, the contact sheet, the tests' screenshots).
#pragma once

#include <windows.h>

#include <string>

namespace platform {

// Copies width x height pixels at (x, y) of `source` and writes them to `path`.
// Returns false when the file cannot be written.
bool WriteBmp24(HDC source, int x, int y, int width, int height, const std::wstring& path);

}  // namespace platform
