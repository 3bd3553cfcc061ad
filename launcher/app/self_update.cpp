#include "launcher/app/self_update.h"

#include <windows.h>

#include <algorithm>
#include <array>

#include "launcher/tools/plain_file.h"
#include "platform/background.h"
#include "platform/handles.h"
#include "platform/log.h"
#include "services/config.h"
#include "services/download.h"
#include "services/publisher.h"
#include "services/versione.h"

namespace launcher {
namespace {

// "a.b.c" of a four-part version text "a.b.c.d".
std::wstring FirstThreeNumbers(const std::wstring& version) {
    const std::size_t third = version.rfind(L'.');
    return third == std::wstring::npos ? version : version.substr(0, third);
}

// "X.Y.Z" as three numbers of 0 to 65535; none for anything else.
std::optional<std::array<long, 3>> ParseVersion(const std::wstring& text) {
    std::array<long, 3> parts{};
    std::size_t at = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::size_t end = std::min(text.find(L'.', at), text.size());
        const std::wstring part = text.substr(at, end - at);
        const bool last = i + 1 == parts.size();
        if (part.empty() || part.size() > 5 || part.find_first_not_of(L"0123456789") != std::wstring::npos ||
            last != (end == text.size()))
            return std::nullopt;
        parts[i] = std::stol(part);
        if (parts[i] > 65535) return std::nullopt;
        at = end + 1;
    }
    return parts;
}

// The name the new program is received under beside the running one, so the final
// moves stay on one volume.
std::wstring ReceivedProgramPath(const std::wstring& program) { return program + L".update"; }

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

bool IsLaterVersion(const std::wstring& offered, const std::wstring& running) {
    const auto later = ParseVersion(offered), now = ParseVersion(running);
    return later && now && *later > *now;
}

std::optional<UpdateOffer> ReadUpdateOffer(const services::IniFile& config, const std::wstring& running,
                                           ProgramKind kind) {
    const std::wstring section = L"norvelassist";
    const std::wstring suffix = kind == ProgramKind::X86 ? L"_x86" : L"";
    UpdateOffer offer{config.Read(section, L"versione"), config.Read(section, L"eseguibile" + suffix),
                      {config.Read(section, L"sha256" + suffix), config.Read(section, L"firmatario")}};
    if (!IsLaterVersion(offer.version, running) || !IsPlainFileName(offer.exeName) || !offer.trust.Given())
        return std::nullopt;
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
    const std::wstring received = ReceivedProgramPath(program);
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

void RemoveUpdateLeftoversSoon() {
    const std::wstring program = RunningProgramPath();
    // A killed update leaves its received file, or the part files it was writing.
    const std::wstring received = ReceivedProgramPath(program);
    WIN32_FIND_DATAW found;
    const HANDLE listing = ::FindFirstFileW((received + L"*").c_str(), &found);
    if (listing != INVALID_HANDLE_VALUE) {
        const platform::FindHandle owner(listing);
        do {
            const std::wstring name = FolderOf(program) + L"\\" + found.cFileName;
            if (name == received || (name.starts_with(received + L".") && services::IsPartFileName(found.cFileName))) {
                platform::Log(L"aggiornamento interrotto: eliminato " + name);
                DeleteLogged(name);
            }
        } while (::FindNextFileW(listing, &found));
    }
    const std::wstring old = OldProgramPath(program);
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
