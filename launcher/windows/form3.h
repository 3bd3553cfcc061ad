// Form3, "Assistenze Alternative": lists the tools of configuration sections "3" to
// "10"; "Download" fetches the selected one into the tool folder and starts it. Esc
// during a download stops it; otherwise Esc is "Annulla". Closing the window stops
// its download.
#pragma once

#include <optional>

#include "forms/form.h"
#include "launcher/tool_fetch.h"

namespace launcher {

class Form3 : public forms::Form {
public:
    Form3();

protected:
    void OnLoad() override;
    bool OnEscape() override;
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void DownloadSelected();
    std::optional<ToolFetch> toolFetch_;
};

}  // namespace launcher
