// The progress controls of a window that downloads a tool: the message label
// Label3, the bar track Shape2, the bar fill Shape1 and the percentage Label4.
#pragma once

#include "forms/form.h"
#include "services/download.h"

namespace launcher {

class DownloadProgress : public services::ProgressDisplay {
public:
    explicit DownloadProgress(forms::Form& window);

    // Label3, the hourglass pointer, Shape1, Shape2, Label4, in this order.
    void Show();
    // The default pointer; Shape1, Shape2, Label3, Label4 hidden, in this order.
    void Hide();
    void ShowProgress(int fillWidthTwips, const std::wstring& percentText) override;

private:
    forms::Label& message_;
    forms::Shape& track_;
    forms::Shape& fill_;
    forms::Label& percent_;
};

}  // namespace launcher
