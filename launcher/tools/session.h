// What the start-up found for the rest of the run: the server that answered, the
// per-user tool folder and the configuration file in it. The main window keeps it
// and hands a copy to the alternatives window.
#pragma once

#include <string>

namespace launcher {

// The configuration's file name, on the server and in the tool folder.
inline constexpr wchar_t kConfigFileName[] = L"norvelassist.ini";

struct Session {
    std::wstring serverBaseUrl;  // of the server that answered, ending in "/"; "" when neither did
    std::wstring toolFolder;     // the user's data folder + "\Norvelassist"
    std::wstring configPath;     // toolFolder + "\norvelassist.ini"
};

}  // namespace launcher
