// Form3, "Assistenze Alternative": lists the tools of configuration sections "3" to
// "10"; "Download" fetches the selected one into the tool folder and starts it. Esc
// during a download stops it; otherwise Esc is "Annulla". Closing the window stops
// its download.
#pragma once

#include <optional>

#include "forms/form.h"
#include "launcher/tools/session.h"
#include "launcher/tools/tool_fetch.h"
#include "launcher/windows/download_progress.h"

namespace launcher {

class Form3 : public forms::Form {
public:
    // `session`: what the main window's start-up found. The window keeps its own
    // copy: it may stay open after the main window closed.
    explicit Form3(Session session);

protected:
    void OnLoad() override;
    bool OnEscape() override;
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void DownloadSelected();

    Session session_;
    std::optional<DownloadProgress> progress_;
    std::optional<ToolFetch> toolFetch_;
};

}  // namespace launcher
