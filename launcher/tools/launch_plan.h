// What a launch comes to, decided without a window: the main window's tool buttons
// and the alternatives window's "Download" share it.
#pragma once

#include <string>

#include "launcher/tools/session.h"
#include "launcher/tools/tool_start.h"

namespace launcher {

struct LaunchPlan {
    enum class Step {
        NotPlain,    // the name is no plain file name: nothing is requested, written or started
        StartLocal,  // the tool folder's copy is started as it is
        Download,    // the tool is fetched from the server first
    };
    Step step = Step::NotPlain;
    std::wstring localPath;  // the tool folder + "\" + the name
    ToolTrust trust;         // the section's pin and publishers
};

// Whether a copy already in the tool folder may be started without a download (the
// main window's tools) or every launch downloads (the alternatives).
enum class LocalCopy { Considered, Ignored };

// The plan for the executable `exeName` of configuration section `section`. With
// the local copy considered, a copy in the tool folder whose file version is the
// section's "versione" exactly and that meets its trust is started; any other copy
// (no version information, another version, other bytes than the pin's, not signed
// by a named publisher) is downloaded again. The decision is logged.
LaunchPlan PlanLaunch(const Session& session, const std::wstring& section, const std::wstring& exeName,
                      LocalCopy local);

}  // namespace launcher
