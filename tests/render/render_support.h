// Helpers for the rendering tests: a real top-level window holding real buttons,
// and pixel reads from the button's window and back buffer.
#pragma once

#include <windows.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "buttons/qvbuttons_h.h"
#include "forms/property_bag.h"
#include "tests/support/host_window.h"
#include "tests/support/qvbuttons_probe.h"
#include "tests/support/system_look.h"

namespace buttons::test {

using testsupport::HostWindow;
using testsupport::SharedHost;
using testsupport::SystemLook;

// A button loaded from stored properties (as a form description loads one) into a
// host window, with an empty caption so the face stays free of text.
inline std::unique_ptr<qvButtons_H> MakeButton(HostWindow& host, int width, int height, forms::PropertyBag bag) {
    if (!bag.Contains(L"Caption")) bag.WriteText(L"Caption", L"");
    auto button = std::make_unique<qvButtons_H>();
    button->SetAmbientDisplayName(L"qvButtons_H1");
    button->Create(host.hwnd(), 0, 0, width, height, &bag);
    HostWindow::Pump();
    return button;
}

inline forms::PropertyBag FlatFace(std::int32_t style, std::int32_t back) {
    forms::PropertyBag bag;
    bag.WriteInt32(L"BackStyle", style);
    bag.WriteInt32(L"cBack", back);
    return bag;
}

inline std::int32_t Pixel(HDC dc, int x, int y) { return static_cast<std::int32_t>(::GetPixel(dc, x, y)); }
inline std::int32_t WindowPixel(const qvButtons_H& b, int x, int y) { return Pixel(b.hDC(), x, y); }
inline std::int32_t BufferPixel(const qvButtons_H& b, int x, int y) { return Pixel(b.Buffer().dc(), x, y); }

// Paints the whole window (not the back buffer) in one colour, to see whether a
// later repaint reaches it.
inline void PaintWindow(const qvButtons_H& b, std::int32_t colour) {
    RECT r{0, 0, b.ScaleWidthPixels(), b.ScaleHeightPixels()};
    HBRUSH brush = ::CreateSolidBrush(static_cast<COLORREF>(colour));
    ::FillRect(b.hDC(), &r, brush);
    ::DeleteObject(brush);
    ::GdiFlush();
}

inline void PaintBuffer(const qvButtons_H& b, std::int32_t colour) {
    RECT r{0, 0, b.ScaleWidthPixels() + 2, b.ScaleHeightPixels() + 2};
    HBRUSH brush = ::CreateSolidBrush(static_cast<COLORREF>(colour));
    ::FillRect(b.Buffer().dc(), &r, brush);
    ::DeleteObject(brush);
}

// Every pixel of the back buffer, row by row.
inline std::vector<std::int32_t> BufferSnapshot(const qvButtons_H& b) {
    std::vector<std::int32_t> pixels;
    for (int y = 0; y < b.ScaleHeightPixels(); ++y)
        for (int x = 0; x < b.ScaleWidthPixels(); ++x) pixels.push_back(BufferPixel(b, x, y));
    return pixels;
}

// The gradient table written out from its rule: channels stepped in single
// precision from a toward b, clamped, floored.
inline std::vector<std::int32_t> ExpectedGradient(int n, std::int32_t a, std::int32_t b) {
    std::vector<std::int32_t> t(static_cast<size_t>(n));
    if (n == 0) return t;
    t[0] = a;
    float ch[3], st[3];
    for (int k = 0; k < 3; ++k) {
        ch[k] = static_cast<float>((a >> (8 * k)) & 0xFF);
        st[k] = (static_cast<float>((b >> (8 * k)) & 0xFF) - ch[k]) / static_cast<float>(n - 1);
    }
    for (int i = 1; i < n; ++i) {
        std::int32_t c = 0;
        for (int k = 0; k < 3; ++k) {
            ch[k] += st[k];
            if (ch[k] < 0) ch[k] = 0;
            if (ch[k] > 255) ch[k] = 255;
            c |= static_cast<std::int32_t>(std::floor(ch[k])) << (8 * k);
        }
        t[static_cast<size_t>(i)] = c;
    }
    return t;
}

}  // namespace buttons::test
