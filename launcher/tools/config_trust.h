// Which configuration the launcher believes. A launcher built with keys
// (NORVEL_CONFIG_KEYS) believes only a file signed by one of them: a downloaded file
// replaces the local copy only when it is signed and no older (its "serie") than the
// copy, and the local copy is read only while its own signature verifies, so a copy
// changed on disk is no configuration. A launcher without keys believes every file,
// as before.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "services/config.h"
#include "services/ecdsa_p256.h"

namespace launcher {

// The keys the configuration must be signed with: the compiled ones, unless a test
// replaced them (nullopt puts the compiled ones back).
const std::vector<services::EcdsaP256Key>& ConfigKeys();
void ReplaceConfigKeys(std::optional<std::vector<services::EcdsaP256Key>> keys);

// A configuration the launcher believes, read once: its values come from the bytes
// that were checked.
struct Configuration {
    services::IniFile ini;
    std::uint64_t serie = 0;  // "serie" of section "norvelassist"; 0 without one
};

// The local copy at `path`. Without keys: its contents (empty when it is missing).
// With keys: only when it is there and its signature verifies under one of them and
// its "serie" is a number; otherwise none, logged with the reason ("copia locale non
// firmata: firma assente" ...).
std::optional<Configuration> LoadConfiguration(const std::wstring& path);

// The configuration download's check of the received file: it is a configuration
// (section "norvelassist" with "versione": a captive portal's page is not), and with
// keys it is signed by one of them and its "serie" is a number no lower than
// `localSerie`. A refusal is logged with its reason ("firma assente", "firma non
// valida", "serie più vecchia", "serie non valida").
bool AcceptDownloadedConfiguration(const std::wstring& receivedFile, std::uint64_t localSerie);

}  // namespace launcher
