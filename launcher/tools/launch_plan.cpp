#include "launcher/tools/launch_plan.h"

#include "launcher/tools/plain_file.h"
#include "platform/log.h"
#include "services/config.h"
#include "services/versione.h"

namespace launcher {

LaunchPlan PlanLaunch(const Session& session, const std::wstring& section, const std::wstring& exeName,
                      LocalCopy local) {
    LaunchPlan plan;
    if (!IsPlainFileName(exeName)) return plan;
    plan.localPath = session.toolFolder + L"\\" + exeName;
    plan.trust = ReadToolTrust(session.configPath, section);
    plan.step = LaunchPlan::Step::Download;
    if (local == LocalCopy::Ignored) return plan;

    const std::wstring described = L"strumento della sezione " + section + L": " + exeName;
    if (!IsPlainFile(plan.localPath)) {
        platform::Log(described + L", nessuna copia locale");
        return plan;
    }
    // A copy without version information reads as an empty version: fetched again.
    const services::FileVersionRecord record = services::ReadFileVersion(plan.localPath);
    const std::wstring required = services::ReadIni(session.configPath, section, L"versione");
    const bool trusted = record.FileVersion == required && MeetsToolTrust(plan.localPath, plan.trust);
    platform::Log(described + L", versione locale " + record.FileVersion + L", richiesta " + required +
                  (trusted ? L": copia locale" : L": da scaricare (versione, impronta o firmatario)"));
    if (trusted) plan.step = LaunchPlan::Step::StartLocal;
    return plan;
}

}  // namespace launcher
