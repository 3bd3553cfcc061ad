#include "launcher/download_progress.h"

#include "forms/screen_pointer.h"

namespace launcher {

// Designer names of the progress controls; Form1 and Form3 both carry them.
constexpr const wchar_t* kMessageLabel = L"Label3";
constexpr const wchar_t* kTrackShape = L"Shape2";
constexpr const wchar_t* kFillShape = L"Shape1";
constexpr const wchar_t* kPercentLabel = L"Label4";

DownloadProgress::DownloadProgress(forms::Form& window)
    : message_(window.GetLabel(kMessageLabel)),
      track_(window.GetShape(kTrackShape)),
      fill_(window.GetShape(kFillShape)),
      percent_(window.GetLabel(kPercentLabel)) {}

void DownloadProgress::Show() {
    message_.SetVisible(true);
    forms::SetScreenMousePointer(forms::kPointerHourglass);
    fill_.SetVisible(true);
    track_.SetVisible(true);
    percent_.SetVisible(true);
}

void DownloadProgress::Hide() {
    forms::SetScreenMousePointer(forms::kPointerDefault);
    fill_.SetVisible(false);
    track_.SetVisible(false);
    message_.SetVisible(false);
    percent_.SetVisible(false);
}

void DownloadProgress::ShowProgress(int fillWidthTwips, const std::wstring& percentText) {
    // Most chunks change neither: the controls are touched only when what they show does.
    fill_.SetWidth(fillWidthTwips);
    if (percentText != percent_.Caption()) percent_.SetCaption(percentText);
}

}  // namespace launcher
