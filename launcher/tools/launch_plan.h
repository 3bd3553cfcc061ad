// What a launch comes to, decided without a window: the main window's tool buttons
// and the alternatives window's "Download" share it.
#pragma once

#include <memory>
#include <string>

#include "launcher/tools/config_trust.h"
#include "launcher/tools/session.h"
#include "launcher/tools/tool_start.h"

namespace launcher {

struct LaunchPlan {
    enum class Step {
        NoFolder,      // there is no tool folder: nothing is launched
        NotPlain,      // the name is no plain file name: nothing is requested, written or started
        Unverifiable,  // the launcher has keys, and the configuration is not believed or the
                       // section names neither "sha256" nor "firmatario": nothing is requested or started
        StartLocal,    // the tool folder's copy is started as it is
        Download,      // the tool is fetched from the server first
    };
    Step step = Step::NoFolder;
    std::wstring localPath;  // the tool folder + "\" + the name
    ToolTrust trust;         // the section's pin and publishers
    // StartLocal: the copy, held open since before its checks until it is started.
    std::shared_ptr<HeldTool> held;
};

// Whether a copy already in the tool folder may be started without a download (the
// main window's tools) or every launch downloads (the alternatives).
enum class LocalCopy { Considered, Ignored };

// Makes the session's tool folder when it is missing (never when it is unknown);
// a folder that cannot be made is logged.
void MakeToolFolder(const Session& session);

// The plan for the executable `exeName` of section `section` of `config` (null: no
// configuration is believed). The tool folder must exist (the window makes it
// first). With the local copy considered, a copy in the tool folder whose file
// version is the section's "versione" exactly and that meets its trust is started;
// any other copy (no version information, another version, other bytes than the
// pin's, not signed by a named publisher) is downloaded again. The decision is logged.
LaunchPlan PlanLaunch(const Session& session, const Configuration* config, const std::wstring& section,
                      const std::wstring& exeName, LocalCopy local);

}  // namespace launcher
