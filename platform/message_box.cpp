#include "platform/message_box.h"

namespace platform {
namespace {

std::wstring& Title() {
    static std::wstring title = L"NorvelAssist";
    return title;
}

MessageSink& Sink() {
    static MessageSink sink;
    return sink;
}

}  // namespace

void SetAppTitle(std::wstring title) { Title() = std::move(title); }
const std::wstring& AppTitle() { return Title(); }

void ShowMessage(const std::wstring& text, UINT icon, const std::wstring& title, HWND owner) {
    const std::wstring& shownTitle = title.empty() ? AppTitle() : title;
    if (Sink()) {
        Sink()(text, shownTitle, icon);
        return;
    }
    ::MessageBoxW(owner ? owner : ::GetActiveWindow(), text.c_str(), shownTitle.c_str(), MB_OK | icon | MB_TASKMODAL);
}

bool AskYesNo(const std::wstring& text, HWND owner) {
    if (Sink()) {
        Sink()(text, AppTitle(), MB_ICONQUESTION);
        return false;
    }
    return ::MessageBoxW(owner ? owner : ::GetActiveWindow(), text.c_str(), AppTitle().c_str(),
                         MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL) == IDYES;
}

MessageSink ReplaceMessageBox(MessageSink sink) {
    MessageSink previous = std::move(Sink());
    Sink() = std::move(sink);
    return previous;
}

}  // namespace platform
