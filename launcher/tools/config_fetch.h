// The network and file half of the main window's start-up: which of the two servers
// answers, the per-user tool folder, and the configuration file fetched into it. It
// touches no window, so the main window runs it on a thread of its own while it
// makes its window and controls, and shows the outcome once both are done.
#pragma once

#include <optional>
#include <string>

#include "launcher/app/deployment.h"
#include "launcher/app/self_update.h"
#include "launcher/tools/session.h"
#include "platform/cancel_event.h"

namespace launcher {

struct ConfigFetch {
    // The server that answered ("" when neither did) and the tool folder with its
    // configuration path (both "" when the user's data folder is unknown).
    Session session;
    std::wstring shownHost;      // the configured host Label2 shows
    bool folderReady = false;    // the tool folder exists (made when it was missing)
    bool configured = false;     // a configuration the launcher believes is in the tool folder
    // Read from it when configured: the "nome" and "eseguibile" of sections "1" and
    // "2", and whether "versione" of section "norvelassist" differs from this
    // program's version (major.minor.build, compared exactly).
    std::wstring toolNames[2], toolExes[2];
    bool obsolete = false;
    // When obsolete: the configuration's offer of the new launcher, kept only when the
    // running program's folder is writable (the update can be installed there).
    std::optional<UpdateOffer> update;
    // The percentage the download reported last.
    std::optional<int> lastPercent;
};

// In this order: HEAD of the configuration on the primary server and, when it has
// not answered 200 within a second, on the fallback too (RaceServers); the tool
// folder from the environment, made when missing (the fetch ends there when the data
// folder is unknown or the folder cannot be made), and the part files a killed
// download left there removed; one GET of the configuration from the server that
// answered, on the connection the HEAD left open. The GET is conditional when the
// local copy is believed and its validators are kept beside it: a 304 keeps the copy
// as it is. Its answer stands for the server's: neither 200 nor 304, and there is no
// configuration. A 200's file replaces the local copy only when
// AcceptDownloadedConfiguration takes it, and its validators are kept with it. The
// HEAD ends within the request deadline, the GET within the transfer deadline. A
// failed or refused download leaves an earlier copy in place, which then counts as
// the configuration and is read when the launcher believes it (config_trust.h).
// A set `cancel` ends the requests at once (the program is ending).
ConfigFetch FetchConfiguration(const Deployment& deployment, const platform::CancelEvent* cancel = nullptr);

}  // namespace launcher
