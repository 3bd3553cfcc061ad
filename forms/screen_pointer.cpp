#include "forms/screen_pointer.h"

#include <windows.h>

namespace forms {
namespace {
int g_pointer = kPointerDefault;
}

void SetScreenMousePointer(int pointer) {
    g_pointer = pointer;
    ::SetCursor(::LoadCursorW(nullptr, pointer == kPointerHourglass ? IDC_WAIT : IDC_ARROW));
}

int ScreenMousePointer() { return g_pointer; }

}  // namespace forms
