#include "launcher/tools/launch_plan.h"

#include "launcher/tools/plain_file.h"
#include "platform/log.h"
#include "services/folder.h"
#include "services/versione.h"

namespace launcher {

void MakeToolFolder(const Session& session) {
    if (!session.toolFolder.empty() && !services::MakeFolderIfMissing(session.toolFolder))
        platform::Log(L"cartella non creata: " + session.toolFolder);
}

LaunchPlan PlanLaunch(const Session& session, const Configuration* config, const std::wstring& section,
                      const std::wstring& exeName, LocalCopy local) {
    LaunchPlan plan;
    // Never a folder at the drive's root, which any user may have made.
    if (session.toolFolder.empty() || !services::DirExists(session.toolFolder)) {
        platform::Log(L"nessuna cartella per gli strumenti: " + exeName);
        return plan;
    }
    plan.step = LaunchPlan::Step::NotPlain;
    if (!IsPlainFileName(exeName)) {
        platform::Log(L"nome di programma rifiutato: " + exeName);
        return plan;
    }
    plan.localPath = session.toolFolder + L"\\" + exeName;
    if (config) plan.trust = ReadToolTrust(config->ini, section);
    const std::wstring described = L"strumento della sezione " + section + L": " + exeName;
    if (!ConfigKeys().empty() && !plan.trust.Given()) {
        platform::Log(described + L": né impronta né firmatario, non verificabile");
        plan.step = LaunchPlan::Step::Unverifiable;
        return plan;
    }
    plan.step = LaunchPlan::Step::Download;
    if (local == LocalCopy::Ignored) return plan;

    const std::wstring required = config ? config->ini.Read(section, L"versione") : L"";
    if (!IsPlainFile(plan.localPath)) {
        platform::Log(described + L", nessuna copia locale, richiesta " + required);
        return plan;
    }
    // Held before its checks, so the copy checked is the copy started.
    auto held = std::make_shared<HeldTool>(plan.localPath);
    // A copy without version information reads as an empty version: fetched again.
    const services::FileVersionRecord record = services::ReadFileVersion(plan.localPath);
    const bool trusted =
        held->Held() && record.FileVersion == required && MeetsToolTrust(plan.localPath, plan.trust);
    platform::Log(described + L", versione locale " + record.FileVersion + L", richiesta " + required +
                  (trusted ? L": copia locale" : L": da scaricare (versione, impronta o firmatario)"));
    if (trusted) {
        plan.step = LaunchPlan::Step::StartLocal;
        plan.held = std::move(held);
    }
    return plan;
}

}  // namespace launcher
