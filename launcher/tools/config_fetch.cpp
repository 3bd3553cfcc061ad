#include "launcher/tools/config_fetch.h"

#include <windows.h>

#include "launcher/app/app_version.h"
#include "launcher/app/per_user_folder.h"
#include "launcher/tools/config_trust.h"
#include "launcher/tools/plain_file.h"
#include "launcher/tools/server_race.h"
#include "platform/log.h"
#include "services/config.h"
#include "services/config_signature.h"
#include "services/copy_validators.h"
#include "services/download.h"
#include "services/folder.h"

namespace launcher {
namespace {

// Keeps what the download reports last; the window shows it once the fetch is done.
class LastProgress : public services::ProgressSink {
public:
    explicit LastProgress(ConfigFetch& fetch) : fetch_(fetch) {}
    void OnProgress(std::int64_t, int percent) override { fetch_.lastPercent = percent; }

private:
    ConfigFetch& fetch_;
};

// The local copy, when there is one and it is believed.
std::optional<Configuration> LoadLocalCopy(const std::wstring& path) {
    return IsPlainFile(path) ? LoadConfiguration(path) : std::nullopt;
}

}  // namespace

ConfigFetch FetchConfiguration(const Deployment& deployment, const platform::CancelEvent* cancel) {
    ConfigFetch fetch;
    Session& session = fetch.session;
    const auto configUrlOf = [](const std::wstring& host) {
        return ServerBaseUrlFor(host) + L"\\" + kConfigFileName;
    };
    const ChosenServer chosen = RaceServers(configUrlOf(deployment.primaryHost), configUrlOf(deployment.fallbackHost),
                                            cancel);
    // Without an answer the link shows the fallback, the last server asked.
    fetch.shownHost = chosen == ChosenServer::Primary ? deployment.primaryHost : deployment.fallbackHost;
    if (chosen != ChosenServer::None) session.serverBaseUrl = ServerBaseUrlFor(fetch.shownHost);

    platform::Log(session.serverBaseUrl.empty() ? L"nessun server risponde"
                                                : L"server scelto: " + session.serverBaseUrl);

    // Without the user's data folder there is no tool folder: "\\Norvelassist" alone
    // would be a folder at the drive's root, which any user may have made.
    const std::wstring dataFolder = EnvironmentValue(AppDataVariableFor(ReadProductName()));
    if (dataFolder.empty()) {
        platform::Log(L"cartella dei dati dell'utente sconosciuta");
        return fetch;
    }
    session.toolFolder = dataFolder + L"\\Norvelassist";
    session.configPath = session.toolFolder + L"\\" + kConfigFileName;
    fetch.folderReady = services::MakeFolderIfMissing(session.toolFolder);
    if (!fetch.folderReady) {
        const DWORD error = ::GetLastError();
        platform::Log(L"cartella non creata: " + session.toolFolder + L" " + platform::ErrorText(error));
        return fetch;
    }
    platform::SetLogFolder(session.toolFolder);
    services::RemoveLeftoverPartFiles(session.toolFolder);
    if (ConfigKeys().empty()) platform::Log(L"configurazione non firmata: il programma non ha chiavi per verificarla");

    // No server, no request: the URL would then start with the bare file name.
    if (session.serverBaseUrl.empty()) return fetch;
    const std::wstring configUrl = session.serverBaseUrl + L"\\" + kConfigFileName;
    const std::wstring& localConfig = session.configPath;
    // The series a new file must reach is the believed local copy's; only that copy
    // makes the request conditional.
    const std::optional<Configuration> before = LoadLocalCopy(localConfig);
    const std::uint64_t localSerie = before ? before->serie : 0;
    LastProgress progress(fetch);
    services::DownloadChecks checks;
    checks.accept = [localSerie](const std::wstring& file) { return AcceptDownloadedConfiguration(file, localSerie); };
    checks.boundWhole = true;
    checks.maxBytes = services::kConfigSizeLimit;  // a larger file is no configuration
    checks.cancel = cancel;
    if (before) checks.ifChanged = services::ReadCopyValidators(localConfig);
    const services::Downloaded got = services::FetchFile(configUrl, localConfig, &progress, checks);
    // The GET's answer stands for the probe: neither 200 nor 304, no configuration.
    if (got.result == services::DownloadResult::NotAnswered) return fetch;
    const bool replaced = got.result == services::DownloadResult::Replaced;
    if (replaced) services::KeepCopyValidators(localConfig, got.validators);
    // A failed or refused download (a captive portal's page, a file not signed right,
    // an older one) leaves an earlier copy as it was; without a believed one there is
    // no configuration.
    const std::optional<Configuration> config = replaced ? LoadLocalCopy(localConfig) : before;
    fetch.configured = config.has_value();
    if (!fetch.configured) {
        platform::Log(L"nessuna configurazione");
        return fetch;
    }
    for (int i = 0; i < 2; ++i) {
        const std::wstring section = std::to_wstring(i + 1);
        fetch.toolNames[i] = config->ini.Read(section, L"nome");
        fetch.toolExes[i] = config->ini.Read(section, L"eseguibile");
    }
    const std::wstring announced = config->ini.Read(L"norvelassist", L"versione");
    fetch.obsolete = announced != AppVersionText();
    platform::Log(L"configurazione letta: versione annunciata " + announced + L", strumenti \"" + fetch.toolNames[0] +
                  L"\" (" + fetch.toolExes[0] + L") e \"" + fetch.toolNames[1] + L"\" (" + fetch.toolExes[1] + L")");
    if (fetch.obsolete && ProgramFolderIsWritable(RunningProgramPath()))
        fetch.update = ReadUpdateOffer(config->ini, AppVersionText());
    return fetch;
}

}  // namespace launcher
