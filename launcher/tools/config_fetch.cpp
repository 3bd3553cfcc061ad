#include "launcher/tools/config_fetch.h"

#include <windows.h>

#include "launcher/app/app_version.h"
#include "launcher/app/per_user_folder.h"
#include "launcher/tools/plain_file.h"
#include "platform/log.h"
#include "services/config.h"
#include "services/download.h"
#include "services/folder.h"
#include "services/probe.h"

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

}  // namespace

bool IsConfiguration(const std::wstring& file) { return services::HasIniKey(file, L"norvelassist", L"versione"); }

ConfigFetch FetchConfiguration(const Deployment& deployment, const platform::CancelEvent* cancel) {
    ConfigFetch fetch;
    Session& session = fetch.session;
    fetch.shownHost = deployment.primaryHost;
    session.serverBaseUrl = ServerBaseUrlFor(deployment.primaryHost);
    std::wstring configUrl = session.serverBaseUrl + L"\\" + kConfigFileName;
    if (!services::HttpExists(configUrl, cancel)) {
        fetch.shownHost = deployment.fallbackHost;
        session.serverBaseUrl = ServerBaseUrlFor(deployment.fallbackHost);
        configUrl = session.serverBaseUrl + L"\\" + kConfigFileName;
        if (!services::HttpExists(configUrl, cancel)) session.serverBaseUrl.clear();
    }

    platform::Log(session.serverBaseUrl.empty() ? L"nessun server risponde"
                                                : L"server scelto: " + session.serverBaseUrl);

    session.toolFolder = EnvironmentValue(AppDataVariableFor(ReadProductName())) + L"\\Norvelassist";
    session.configPath = session.toolFolder + L"\\" + kConfigFileName;
    if (session.toolFolder == L"\\Norvelassist") {
        platform::Log(L"cartella dei dati dell'utente sconosciuta");
        return fetch;
    }
    fetch.folderReady = services::MakeFolderIfMissing(session.toolFolder);
    if (!fetch.folderReady) {
        const DWORD error = ::GetLastError();
        platform::Log(L"cartella non creata: " + session.toolFolder + L" " + platform::ErrorText(error));
        return fetch;
    }
    platform::SetLogFolder(session.toolFolder);
    services::RemoveLeftoverPartFiles(session.toolFolder);

    // No server, no probe: the URL would then start with the bare file name.
    configUrl = session.serverBaseUrl + L"\\" + kConfigFileName;
    if (session.serverBaseUrl.empty() || !services::HttpExists(configUrl, cancel)) return fetch;
    const std::wstring& localConfig = session.configPath;
    LastProgress progress(fetch);
    services::DownloadChecks checks;
    checks.accept = IsConfiguration;
    checks.boundWhole = true;
    checks.cancel = cancel;
    services::DownloadFile(configUrl, localConfig, &progress, checks);
    // A failed download, or a page that is no configuration (a captive portal's),
    // leaves an earlier copy as it was; without one there is no configuration.
    fetch.configured = IsPlainFile(localConfig);
    if (!fetch.configured) {
        platform::Log(L"nessuna configurazione");
        return fetch;
    }
    for (int i = 0; i < 2; ++i) {
        const std::wstring section = std::to_wstring(i + 1);
        fetch.toolNames[i] = services::ReadIni(localConfig, section, L"nome");
        fetch.toolExes[i] = services::ReadIni(localConfig, section, L"eseguibile");
    }
    const std::wstring announced = services::ReadIni(localConfig, L"norvelassist", L"versione");
    fetch.obsolete = announced != AppVersionText();
    platform::Log(L"configurazione letta: versione annunciata " + announced + L", strumenti \"" + fetch.toolNames[0] +
                  L"\" (" + fetch.toolExes[0] + L") e \"" + fetch.toolNames[1] + L"\" (" + fetch.toolExes[1] + L")");
    if (fetch.obsolete && ProgramFolderIsWritable(RunningProgramPath())) fetch.update = ReadUpdateOffer(localConfig);
    return fetch;
}

}  // namespace launcher
