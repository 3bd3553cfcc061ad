#include "launcher/shell_open.h"

#include <shellapi.h>

namespace launcher {
namespace {

ShellOpenSink& Sink() {
    static ShellOpenSink sink;
    return sink;
}

}  // namespace

void ShellOpen(HWND owner, const std::wstring& file, int show) {
    if (Sink()) {
        Sink()(owner, file, show);
        return;
    }
    ::ShellExecuteW(owner, L"open", file.c_str(), nullptr, nullptr, show);
}

ShellOpenSink ReplaceShellOpen(ShellOpenSink sink) {
    ShellOpenSink previous = std::move(Sink());
    Sink() = std::move(sink);
    return previous;
}

}  // namespace launcher
