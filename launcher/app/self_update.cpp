#include "launcher/app/self_update.h"

#include <windows.h>

#include "launcher/tools/plain_file.h"
#include "platform/background.h"
#include "platform/handles.h"
#include "platform/log.h"
#include "services/config.h"
#include "services/publisher.h"
#include "services/versione.h"

namespace launcher {
namespace {

// "a.b.c" of a four-part version text "a.b.c.d".
std::wstring FirstThreeNumbers(const std::wstring& version) {
    const std::size_t third = version.rfind(L'.');
    return third == std::wstring::npos ? version : version.substr(0, third);
}

std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\')); }

// Moves `from` to `to` (replacing it with MOVEFILE_REPLACE_EXISTING in `flags`); a
// failure is logged as "aggiornamento: impossibile <doing> <from> (errore N)".
bool MoveLogged(const std::wstring& from, const std::wstring& to, DWORD flags, const wchar_t* doing) {
    if (::MoveFileExW(from.c_str(), to.c_str(), flags)) return true;
    const DWORD error = ::GetLastError();
    platform::Log(std::wstring(L"aggiornamento: impossibile ") + doing + L" " + from + L" " +
                  platform::ErrorText(error));
    return false;
}

// Deletes a file of the update; a failure other than a missing file is logged.
void DeleteLogged(const std::wstring& file) {
    if (::DeleteFileW(file.c_str()) || ::GetLastError() == ERROR_FILE_NOT_FOUND) return;
    const DWORD error = ::GetLastError();
    platform::Log(L"aggiornamento: impossibile eliminare " + file + L" " + platform::ErrorText(error));
}

}  // namespace

std::optional<UpdateOffer> ReadUpdateOffer(const services::IniFile& config) {
    const std::wstring section = L"norvelassist";
    UpdateOffer offer{config.Read(section, L"versione"), config.Read(section, L"eseguibile"),
                      ReadToolTrust(config, section)};
    if (!IsPlainFileName(offer.exeName) || !offer.trust.Given()) return std::nullopt;
    return offer;
}

std::wstring OldProgramPath(const std::wstring& program) { return program + L".old"; }

bool ProgramFolderIsWritable(const std::wstring& program) {
    const std::wstring probe =
        FolderOf(program) + L"\\norvelassist-" + std::to_wstring(::GetCurrentProcessId()) + L".probe";
    const platform::File file(::CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                            FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    return static_cast<bool>(file);
}

bool InstallUpdate(const UpdateOffer& offer, const std::wstring& serverBaseUrl, const std::wstring& program,
                   services::ProgressSink* progress, const platform::CancelEvent* cancel) {
    // The new file is received under a name of its own beside the program, so the
    // final moves stay on one volume.
    const std::wstring received = program + L".update";
    DeleteLogged(received);
    services::DownloadChecks checks;
    checks.sha256Pin = offer.trust.sha256Pin;
    checks.accept = [&offer](const std::wstring& file) {
        return (offer.trust.publishers.empty() || services::SignedByPublisher(file, offer.trust.publishers)) &&
               FirstThreeNumbers(services::ReadFileVersion(file).FileVersion) == offer.version;
    };
    checks.cancel = cancel;
    // A failed download or check leaves nothing behind (and is logged).
    if (!services::DownloadFile(serverBaseUrl + offer.exeName, received, progress, checks)) return false;
    // A running program can be renamed, not overwritten.
    const std::wstring old = OldProgramPath(program);
    if (!MoveLogged(program, old, MOVEFILE_REPLACE_EXISTING, L"rinominare")) {
        DeleteLogged(received);
        return false;
    }
    if (!MoveLogged(received, program, 0, L"spostare")) {
        MoveLogged(old, program, 0, L"ripristinare");
        DeleteLogged(received);
        return false;
    }
    platform::Log(L"aggiornamento installato: " + program + L" versione " + offer.version);
    return true;
}

void RollBackUpdate(const std::wstring& program) {
    DeleteLogged(program);
    if (MoveLogged(OldProgramPath(program), program, 0, L"ripristinare"))
        platform::Log(L"aggiornamento annullato: " + program + L" ripristinato");
}

void RemoveOldProgramSoon() {
    const std::wstring old = OldProgramPath(RunningProgramPath());
    if (::GetFileAttributesW(old.c_str()) == INVALID_FILE_ATTRIBUTES) return;
    platform::RunInBackground([old] {
        // The program that started this one ends a moment after; until then its file
        // cannot be deleted.
        for (int attempt = 0; attempt < 150 && !::DeleteFileW(old.c_str()); ++attempt) {
            if (::GetLastError() == ERROR_FILE_NOT_FOUND) return;
            ::Sleep(200);
        }
    });
}

}  // namespace launcher
