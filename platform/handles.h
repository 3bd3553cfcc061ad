// RAII owners for every Win32 handle the program creates. Each handle has one
// owner; nothing is freed by hand in two places.
#pragma once

#include <windows.h>
#include "platform/wininet.h"

#include <atomic>
#include <utility>

namespace platform {

// Live GDI objects (bitmaps, brushes, pens, fonts, regions) and memory DCs held by
// the owners below. Tests read it to prove that repaints and controls do not leak.
inline std::atomic<long>& LiveGdiCount() {
    static std::atomic<long> count{0};
    return count;
}

template <typename H, auto Free, bool Counted = false>
class Owned {
public:
    explicit Owned(H h = {}) noexcept : h_(h) { if (Counted && h_) ++LiveGdiCount(); }
    ~Owned() { reset(); }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Owned(Owned&& o) noexcept : h_(std::exchange(o.h_, H{})) {}
    Owned& operator=(Owned&& o) noexcept {
        if (this != &o) { reset(); h_ = std::exchange(o.h_, H{}); }
        return *this;
    }
    void reset(H h = {}) noexcept {
        if (h_) { Free(h_); if (Counted) --LiveGdiCount(); }
        h_ = h;
        if (Counted && h_) ++LiveGdiCount();
    }
    // Gives the handle up without freeing it.
    [[nodiscard]] H release() noexcept {
        if (Counted && h_) --LiveGdiCount();
        return std::exchange(h_, H{});
    }
    H get() const noexcept { return h_; }
    explicit operator bool() const noexcept { return h_ != H{}; }

private:
    H h_;
};

namespace detail {
template <typename H>
inline void FreeGdi(H h) noexcept { ::DeleteObject(h); }
inline void FreeDc(HDC h) noexcept { ::DeleteDC(h); }
inline void FreeInternet(HINTERNET h) noexcept { ::InternetCloseHandle(h); }
inline void FreeHandle(HANDLE h) noexcept { ::CloseHandle(h); }
inline void FreeIcon(HICON h) noexcept { ::DestroyIcon(h); }
inline void FreeWindow(HWND h) noexcept { ::DestroyWindow(h); }
inline void FreeLib(HMODULE h) noexcept { ::FreeLibrary(h); }
inline void FreeFind(HANDLE h) noexcept { ::FindClose(h); }
}  // namespace detail

template <typename H>
using GdiObject = Owned<H, detail::FreeGdi<H>, true>;
using Bitmap = GdiObject<HBITMAP>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Font = GdiObject<HFONT>;
using Region = GdiObject<HRGN>;
using MemoryDC = Owned<HDC, detail::FreeDc, true>;
using Internet = Owned<HINTERNET, detail::FreeInternet>;
using Icon = Owned<HICON, detail::FreeIcon>;
using Window = Owned<HWND, detail::FreeWindow>;
using Module = Owned<HMODULE, detail::FreeLib>;
// A directory listing from FindFirstFileW (hold only a handle that is not
// INVALID_HANDLE_VALUE).
using FindHandle = Owned<HANDLE, detail::FreeFind>;

// A kernel handle; INVALID_HANDLE_VALUE (what CreateFileW returns on failure)
// is held as "no handle".
class File {
public:
    explicit File(HANDLE h = nullptr) noexcept : h_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
    HANDLE get() const noexcept { return h_.get(); }
    explicit operator bool() const noexcept { return static_cast<bool>(h_); }
    void reset(HANDLE h = nullptr) noexcept { h_.reset(h == INVALID_HANDLE_VALUE ? nullptr : h); }

private:
    Owned<HANDLE, detail::FreeHandle> h_;
};

// The DC of a window, from GetDC, given back with ReleaseDC.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) noexcept : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
    ~WindowDC() { if (dc_) ::ReleaseDC(hwnd_, dc_); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }

private:
    HWND hwnd_;
    HDC dc_;
};

// Selects an object into a DC and puts the previous one back when it goes out of
// scope, so no routine ever deletes an object that is still selected.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ obj) noexcept : dc_(dc), old_(obj ? ::SelectObject(dc, obj) : nullptr) {}
    ~ScopedSelect() { if (old_) ::SelectObject(dc_, old_); }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace platform
