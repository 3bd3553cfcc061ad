// NorvelAssist: the process opens the main window and runs until the last window
// has been closed. A second start in the same session brings the first one's window
// to the front instead, or, when that one is ending, waits for it and opens its own.
#include <windows.h>
#include <commctrl.h>

#include "forms/form.h"
#include "forms/message_loop.h"
#include "launcher/app/app_version.h"
#include "launcher/app/deployment.h"
#include "launcher/app/guarded_run.h"
#include "launcher/app/self_update.h"
#include "launcher/app/single_instance.h"
#include "launcher/windows/form1.h"
#include "launcher/windows/register_controls.h"
#include "platform/dll_search.h"
#include "platform/log.h"
#include "platform/message_box.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // DLLs loaded from here on (wininet and version on their first call, the ones
    // bound late) come from the system folder only, never from the folder the
    // program was started from: that is often Downloads, where anything may lie.
    const bool limited = platform::LimitDllSearch();
    platform::SetAppTitle(launcher::BuiltAppTitle());
    return launcher::RunGuarded([limited] {
        launcher::SingleInstance instance;
        if (!instance.IsFirst() && !instance.TakeOverUnlessRunningShows()) return 0;
        launcher::RemoveUpdateLeftoversSoon();  // of a killed update, or of the one that started this program
        platform::Log(L"avvio di NorvelAssist " + launcher::AppVersionText() + L" su " +
                      launcher::WindowsVersionText());
        if (!limited) platform::Log(L"SetDefaultDllDirectories assente: DLL caricate per percorso completo");
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
        ::InitCommonControlsEx(&controls);
        launcher::RegisterControls();
        // The next start is the first as soon as the last window has closed, while
        // this program still ends (its forms, workers and log go after).
        forms::Form::EndProcessWithLastForm([&instance] { instance.Release(); });
        launcher::Form1 main;
        main.Show();
        forms::RunMessageLoop([] { return true; });
        return 0;
    });
}
