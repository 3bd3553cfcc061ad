// Form1, the main window: its load fetches the configuration on a worker while the
// window is made, and shows the outcome (host, messages, tool buttons, version
// check); its buttons launch the two tools and open the alternatives window, and
// its link opens the site.
#pragma once

#include <cstdint>
#include <exception>
#include <memory>
#include <optional>

#include "forms/form.h"
#include "launcher/tools/config_fetch.h"
#include "launcher/tools/session.h"
#include "launcher/tools/tool_fetch.h"
#include "launcher/windows/download_progress.h"
#include "launcher/windows/form3.h"
#include "launcher/windows/wait_window.h"
#include "platform/worker.h"

namespace launcher {

class Form1 : public forms::Form {
public:
    Form1();
    ~Form1() override;

    // The launch of the tool of section SelectedToolIndex().
    void LaunchTool();
    // The alternatives window last opened with "Altro", or nullptr.
    Form3* AlternativesWindow() { return form3_.get(); }
    // What the start-up found: the server, the tool folder, the configuration.
    const Session& CurrentSession() const noexcept { return session_; }
    // The tool button last pressed (1 left, 2 middle; 0 before any) and the
    // executable name the last launch read for it.
    std::int16_t SelectedToolIndex() const noexcept { return selectedToolIndex_; }
    const std::wstring& ToolExeName() const noexcept { return toolExeName_; }

protected:
    void OnLoadStarting() override;
    void OnLoad() override;
    void OnShown() override;
    bool OnEscape() override;
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool WaitForFetch();
    bool StartUp(const ConfigFetch& fetch);
    bool UpdateLauncher(const UpdateOffer& offer);
    bool ShowAcceptanceDialog();
    void PressToolButton(std::int16_t index);
    void PressOther();

    platform::Worker fetchWorker_;          // the start-up's configuration fetch
    std::optional<ConfigFetch> fetched_;    // its outcome, once its event ran
    std::exception_ptr fetchFailure_;       // or what it threw
    // The slow start-up's sign of life: taken down once the window shows, or before
    // the start-up's first message.
    std::optional<WaitWindow> signOfLife_;
    std::optional<DownloadProgress> progress_;
    std::optional<ToolFetch> toolFetch_;
    std::unique_ptr<Form3> form3_;
    Session session_;
    std::wstring shownHost_;  // the configured host whose name Label2 shows
    std::int16_t selectedToolIndex_ = 0;
    std::wstring toolExeName_;
};

}  // namespace launcher
