// The start-up baseline: the least a Win32 window program does before its window
// shows (register a class, create and show one window, run the message loop).
#include "window_program.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    return startup_bench::RunWindowProgram(instance, L"MinimalWindow", L"Minimal window", show);
}
