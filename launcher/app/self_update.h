// The launcher's own update: a configuration that announces another version of the
// launcher, with the file to install ("eseguibile" of section "norvelassist") and
// how to check it ("sha256", "firmatario"), is offered at start-up; the new program
// is downloaded beside the running one, checked, and put in its place.
#pragma once

#include <optional>
#include <string>

#include "launcher/app/app_version.h"
#include "launcher/tools/tool_start.h"
#include "platform/cancel_event.h"
#include "services/config.h"
#include "services/download.h"

namespace launcher {

struct UpdateOffer {
    std::wstring version;  // "versione": the first three numbers of the new file's version
    std::wstring exeName;  // "eseguibile": a plain file name on the tools' server and path
    ToolTrust trust;       // at least one of the two is given
};

// The offer section "norvelassist" of the configuration makes, if any: "eseguibile"
// a plain file name and at least one of "sha256" and "firmatario".
std::optional<UpdateOffer> ReadUpdateOffer(const services::IniFile& config);

// The name the running program is moved to while its successor takes its place:
// the same path + ".old".
std::wstring OldProgramPath(const std::wstring& program);

// True when the user may create (and delete) files in the program's folder: not so
// under Program Files without administrator rights.
bool ProgramFolderIsWritable(const std::wstring& program);

// Downloads the offer from `serverBaseUrl` beside `program` (reporting to
// `progress`), checks its pin and/or publisher and that its file version begins
// with the offer's version, renames `program` to its ".old" name and moves the new
// file to `program`. True when the new program is in place; false when any step
// failed, with `program` as it was and no file of the attempt left behind (a move
// that puts the program back and itself fails is logged). It blocks: call it off
// the window thread.
bool InstallUpdate(const UpdateOffer& offer, const std::wstring& serverBaseUrl, const std::wstring& program,
                   services::ProgressSink* progress, const platform::CancelEvent* cancel = nullptr);
// Undoes an installed update: the new file goes, the ".old" takes its name back
// (each step logged when it fails).
void RollBackUpdate(const std::wstring& program);

// Deletes the ".old" a finished update left beside the running program, waiting
// for the old program to end (up to half a minute) on a thread of the pool.
void RemoveOldProgramSoon();

}  // namespace launcher
