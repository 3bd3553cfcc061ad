// Registers the controls the launcher's windows host beyond the forms' own (the
// button control of the "qvButtons_H" descriptions). Called once before the first
// window is created, by the program and by the tests of its windows.
#pragma once

namespace launcher {

void RegisterControls();

}  // namespace launcher
