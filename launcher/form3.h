// Form3, "Assistenze Alternative": lists the tools of configuration sections "3" to
// "10"; "Download" fetches the selected one into the tool folder and starts it.
#pragma once

#include <optional>

#include "forms/form.h"
#include "launcher/download_progress.h"

namespace launcher {

class Form3 : public forms::Form {
public:
    Form3();

protected:
    void OnLoad() override;

private:
    void DownloadSelected();
    std::optional<DownloadProgress> progress_;
};

}  // namespace launcher
