// The launcher's own update: a configuration that announces a later version of the
// launcher, with the file to install ("eseguibile" of section "norvelassist") and
// how to check it ("sha256", "firmatario"), is offered at start-up; the new program
// is downloaded beside the running one, checked, and put in its place. The 32-bit
// program reads its file and pin from "eseguibile_x86" and "sha256_x86".
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

// The program's kind, which decides the keys of its update.
enum class ProgramKind { X64, X86 };
inline constexpr ProgramKind kThisProgram = sizeof(void*) == 4 ? ProgramKind::X86 : ProgramKind::X64;

// True when `offered` is a later version than `running`, both "X.Y.Z" of numbers
// of 0 to 65535 (a version resource's fields); anything else is never later.
bool IsLaterVersion(const std::wstring& offered, const std::wstring& running);

// The offer section "norvelassist" of the configuration makes to a program of
// `kind` running `running`, if any: "versione" later than it, the file ("eseguibile",
// "eseguibile_x86" for X86) a plain file name, and at least one of the pin ("sha256",
// "sha256_x86" for X86) and "firmatario". One kind is never offered the other's file.
std::optional<UpdateOffer> ReadUpdateOffer(const services::IniFile& config, const std::wstring& running,
                                           ProgramKind kind = kThisProgram);

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

// Deletes what updates left beside the running program: the ".update" file and its
// ".download" part files of one that was killed, at once; the ".old" of a finished
// one, waiting for the old program to end (up to half a minute) on a thread of the pool.
void RemoveUpdateLeftoversSoon();

}  // namespace launcher
