#include "launcher/config_fetch.h"

#include <windows.h>

#include "launcher/app_version.h"
#include "launcher/per_user_folder.h"
#include "launcher/plain_file.h"
#include "services/config.h"
#include "services/download.h"
#include "platform/log.h"
#include "services/probe.h"

namespace launcher {
namespace {

// Keeps what the download shows last; the window shows it once the fetch is done.
class LastProgress : public services::ProgressDisplay {
public:
    explicit LastProgress(ConfigFetch& fetch) : fetch_(fetch) {}
    void ShowProgress(int fillWidthTwips, const std::wstring& percentText) override {
        fetch_.lastProgress.emplace(fillWidthTwips, percentText);
    }

private:
    ConfigFetch& fetch_;
};

}  // namespace

bool IsConfiguration(const std::wstring& file) { return services::HasIniKey(file, L"norvelassist", L"versione"); }

ConfigFetch FetchConfiguration(const Deployment& deployment, const std::wstring& configFileName,
                               const services::CancelFlag* cancel) {
    ConfigFetch fetch;
    fetch.shownHost = deployment.primaryHost;
    fetch.serverBaseUrl = ServerBaseUrlFor(deployment.primaryHost);
    std::wstring configUrl = fetch.serverBaseUrl + L"\\" + configFileName;
    if (!services::HttpExists(configUrl, cancel)) {
        fetch.shownHost = deployment.fallbackHost;
        fetch.serverBaseUrl = ServerBaseUrlFor(deployment.fallbackHost);
        configUrl = fetch.serverBaseUrl + L"\\" + configFileName;
        if (!services::HttpExists(configUrl, cancel)) fetch.serverBaseUrl.clear();
    }

    platform::Log(fetch.serverBaseUrl.empty() ? L"nessun server risponde" : L"server scelto: " + fetch.serverBaseUrl);

    fetch.toolFolder = EnvironmentValue(AppDataVariableFor(ReadProductName())) + L"\\Norvelassist";
    if (fetch.toolFolder == L"\\Norvelassist") {
        platform::Log(L"cartella dei dati dell'utente sconosciuta");
        return fetch;
    }
    fetch.folderReady = services::MakeFolderIfMissing(fetch.toolFolder);
    if (!fetch.folderReady) {
        platform::Log(L"cartella non creata: " + fetch.toolFolder + L" (errore " + std::to_wstring(::GetLastError()) +
                      L")");
        return fetch;
    }
    platform::SetLogFolder(fetch.toolFolder);
    services::RemoveLeftoverPartFiles(fetch.toolFolder);

    // No server, no probe: the URL would then start with the bare file name.
    configUrl = fetch.serverBaseUrl + L"\\" + configFileName;
    if (fetch.serverBaseUrl.empty() || !services::HttpExists(configUrl, cancel)) return fetch;
    const std::wstring localConfig = fetch.toolFolder + L"\\" + configFileName;
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
