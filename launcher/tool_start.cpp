#include "launcher/tool_start.h"

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

bool IsPlainFileName(const std::wstring& name) {
    if (name.empty() || name == L"." || name == L"..") return false;
    for (wchar_t c : name) {
        if (c < 32 || c == 127) return false;
        if (std::wstring_view(L"\\/:*?\"<>|").find(c) != std::wstring_view::npos) return false;
    }
    return true;
}

bool IsPlainFile(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

}  // namespace launcher
