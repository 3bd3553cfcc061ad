// Shared pieces of the button tests: a real host window, a recorder for the
// message boxes, and picture files written to a temporary folder.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "buttons/qvbuttons_h.h"
#include "platform/message_box.h"
#include "tests/support/host_window.h"
#include "tests/support/qvbuttons_probe.h"

namespace buttons::test {

using testsupport::HostWindow;
using testsupport::SharedHost;

struct ShownMessage {
    std::wstring text;
    std::wstring title;
    UINT icon;
};

// Records every message box instead of showing it, for the life of the object.
class MessageRecorder {
public:
    MessageRecorder() {
        previous_ = platform::ReplaceMessageBox([this](const std::wstring& text, const std::wstring& title, UINT icon) {
            shown.push_back({text, title, icon});
        });
    }
    ~MessageRecorder() { platform::ReplaceMessageBox(previous_); }
    std::vector<ShownMessage> shown;

private:
    platform::MessageSink previous_;
};

// A folder of its own under the temporary folder, removed with its files.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

private:
    std::wstring path_;
};

// A 24-bit BMP file of one colour (0x00BBGGRR).
void WriteBmpFile(const std::wstring& path, int width, int height, COLORREF color);
// A 16 x 16 32-bit icon file.
void WriteIconFile(const std::wstring& path);

// A button created in `host` as a new instance (initialise-properties) or from `bag`.
std::unique_ptr<qvButtons_H> MakeButton(HWND host, bool userMode, const forms::PropertyBag* bag = nullptr,
                                        int width = 89, int height = 41);

}  // namespace buttons::test

namespace buttons::test {
// A JPEG file of one colour, written by the platform's imaging component.
void WriteJpegFile(const std::wstring& path, int width, int height, COLORREF color);
}  // namespace buttons::test
