// NorvelAssist: the process opens the main window and runs until the last window
// has been closed.
#include <windows.h>
#include <commctrl.h>

#include <exception>

#include "forms/form.h"
#include "forms/message_loop.h"
#include "launcher/deployment.h"
#include "launcher/form1.h"
#include "launcher/register_controls.h"
#include "platform/message_box.h"
#include "platform/text.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // DLLs loaded from here on (wininet and version on their first call, the ones
    // bound late) come from the system folder only, never from the folder the
    // program was started from: that is often Downloads, where anything may lie.
    ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    platform::SetAppTitle(launcher::BuiltAppTitle());
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    launcher::RegisterControls();
    forms::Form::EndProcessWithLastForm(true);
    try {
        launcher::Form1 main;
        main.Show();
        forms::RunMessageLoop([] { return true; });
    } catch (const std::exception& e) {
        platform::ShowMessage(platform::FromUtf8(e.what()), MB_ICONERROR);
        return 1;
    }
    return 0;
}
