// Form1, the main window: its load fetches the configuration in the background
// (server choice, tool folder, download) while the window is made, and its load
// handler shows the outcome (host, messages, tool buttons, version check); its buttons
// launch the two tools, open the alternatives window, and its link opens the site.
#pragma once

#include <future>
#include <memory>
#include <optional>
#include <thread>

#include "forms/form.h"
#include "launcher/config_fetch.h"
#include "launcher/form3.h"
#include "launcher/tool_fetch.h"
#include "services/http_request.h"

namespace launcher {

class Form1 : public forms::Form {
public:
    Form1();
    ~Form1() override;

    void LaunchTool();
    // The alternatives window last opened with "Altro", or nullptr.
    Form3* AlternativesWindow() { return form3_.get(); }

protected:
    void OnLoadStarting() override;
    void OnLoad() override;
    bool OnEscape() override;
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool WaitForFetch();
    bool StartUp();
    bool UpdateLauncher(const UpdateOffer& offer);
    bool ShowAcceptanceDialog();
    void PressToolButton(std::int16_t index);
    void PressOther();

    void EndFetch();

    services::CancelFlag cancelFetch_{false};
    std::future<ConfigFetch> fetch_;  // started with each load, read by its start-up
    std::thread fetchThread_;
    std::optional<ToolFetch> toolFetch_;
    std::unique_ptr<Form3> form3_;
    std::wstring shownHost_;  // the configured host whose name Label2 shows
};

}  // namespace launcher
