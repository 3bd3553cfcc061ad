#include "launcher/tools/shell_open.h"

#include <shellapi.h>

namespace launcher {
namespace {

ShellOpenSink& Sink() {
    static ShellOpenSink sink;
    return sink;
}

}  // namespace

bool ShellOpen(HWND owner, const std::wstring& file, int show, const std::wstring& folder) {
    if (Sink()) {
        Sink()(owner, file, show, folder);
        return true;
    }
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner;
    info.lpVerb = L"open";
    info.lpFile = file.c_str();
    info.lpDirectory = folder.empty() ? nullptr : folder.c_str();
    info.nShow = show;
    return ::ShellExecuteExW(&info) != FALSE;
}

ShellOpenSink ReplaceShellOpen(ShellOpenSink sink) {
    ShellOpenSink previous = std::move(Sink());
    Sink() = std::move(sink);
    return previous;
}

}  // namespace launcher
