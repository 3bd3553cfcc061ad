// The text of a window (caption of a form, a button, a label).
#pragma once

#include <windows.h>

#include <string>

namespace forms {

std::wstring WindowText(HWND hwnd);

}  // namespace forms
