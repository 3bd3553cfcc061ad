#include "launcher/download_progress.h"

#include "forms/screen_pointer.h"

namespace launcher {

DownloadProgress::DownloadProgress(forms::Form& window)
    : message_(window.GetLabel(L"Label3")),
      track_(window.GetShape(L"Shape2")),
      fill_(window.GetShape(L"Shape1")),
      percent_(window.GetLabel(L"Label4")) {}

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
