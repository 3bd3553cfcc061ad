#include "launcher/tools/config_trust.h"

#include "platform/log.h"
#include "services/config_keys.h"
#include "services/config_serie.h"
#include "services/config_signature.h"

namespace launcher {
namespace {

std::optional<std::vector<services::EcdsaP256Key>>& ReplacedKeys() {
    static std::optional<std::vector<services::EcdsaP256Key>> keys;
    return keys;
}

// The file's bytes (at most the configuration's limit) believed: why not, or "".
struct Checked {
    std::optional<std::string> bytes;
    std::wstring refusal;
};

Checked CheckSigned(const std::wstring& path) {
    Checked checked;
    checked.bytes = services::ReadFileBytes(path, services::kConfigSizeLimit);
    if (!checked.bytes) {
        checked.refusal = L"firma assente (file illeggibile o oltre 1 MiB)";
        return checked;
    }
    const services::SignatureCheck signature = services::CheckConfigSignature(*checked.bytes, ConfigKeys());
    if (signature.outcome != services::SignatureOutcome::Good)
        checked.refusal = signature.reason + L" (" + signature.detail + L")";
    return checked;
}

}  // namespace

const std::vector<services::EcdsaP256Key>& ConfigKeys() {
    return ReplacedKeys() ? *ReplacedKeys() : services::CompiledConfigKeys();
}

void ReplaceConfigKeys(std::optional<std::vector<services::EcdsaP256Key>> keys) { ReplacedKeys() = std::move(keys); }

std::optional<Configuration> LoadConfiguration(const std::wstring& path) {
    if (ConfigKeys().empty()) return Configuration{services::IniFile::Load(path), 0};
    const Checked checked = CheckSigned(path);
    if (!checked.refusal.empty()) {
        platform::Log(L"copia locale non firmata: " + checked.refusal + L": " + path);
        return std::nullopt;
    }
    Configuration config{services::IniFile::FromBytes(*checked.bytes), 0};
    const std::optional<std::uint64_t> serie = services::ParseSerie(config.ini.Read(L"norvelassist", L"serie"));
    if (!serie) {
        platform::Log(L"copia locale non firmata: serie non valida: " + path);
        return std::nullopt;
    }
    config.serie = *serie;
    return config;
}

bool AcceptDownloadedConfiguration(const std::wstring& receivedFile, std::uint64_t localSerie) {
    const auto refused = [](const std::wstring& why) {
        platform::Log(L"configurazione rifiutata: " + why);
        return false;
    };
    if (ConfigKeys().empty()) {
        if (!services::HasIniKey(receivedFile, L"norvelassist", L"versione"))
            return refused(L"non è una configurazione");
        return true;
    }
    const Checked checked = CheckSigned(receivedFile);
    if (!checked.refusal.empty()) return refused(checked.refusal);
    const services::IniFile ini = services::IniFile::FromBytes(*checked.bytes);
    if (!ini.Has(L"norvelassist", L"versione")) return refused(L"non è una configurazione");
    const std::optional<std::uint64_t> serie = services::ParseSerie(ini.Read(L"norvelassist", L"serie"));
    if (!serie) return refused(L"serie non valida");
    if (*serie < localSerie)
        return refused(L"serie più vecchia (" + std::to_wstring(*serie) + L" < " + std::to_wstring(localSerie) + L")");
    return true;
}

}  // namespace launcher
