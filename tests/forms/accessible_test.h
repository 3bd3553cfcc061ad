// Reading a window as a screen reader does: AccessibleObjectFromWindow, then the
// IAccessible of the window's client object.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <string>

namespace hosttest {

struct Read {
    HRESULT found = E_FAIL;  // AccessibleObjectFromWindow
    long role = 0;
    long state = 0;
    std::wstring name, action, shortcut;
};

inline std::wstring Take(BSTR text) {
    std::wstring s = text ? std::wstring(text, ::SysStringLen(text)) : std::wstring();
    ::SysFreeString(text);
    return s;
}

inline IAccessible* ClientObject(HWND hwnd, HRESULT* found = nullptr) {
    IAccessible* object = nullptr;
    const HRESULT hr = ::AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                                    reinterpret_cast<void**>(&object));
    if (found) *found = hr;
    return SUCCEEDED(hr) ? object : nullptr;
}

inline Read ReadWindow(HWND hwnd) {
    Read r;
    IAccessible* object = ClientObject(hwnd, &r.found);
    if (!object) return r;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT v{};
    if (SUCCEEDED(object->get_accRole(self, &v))) r.role = v.lVal;
    if (SUCCEEDED(object->get_accState(self, &v))) r.state = v.lVal;
    BSTR text = nullptr;
    if (object->get_accName(self, &text) == S_OK) r.name = Take(text);
    if (object->get_accDefaultAction(self, &text) == S_OK) r.action = Take(text);
    if (object->get_accKeyboardShortcut(self, &text) == S_OK) r.shortcut = Take(text);
    object->Release();
    return r;
}

inline HRESULT DoDefaultAction(HWND hwnd) {
    IAccessible* object = ClientObject(hwnd);
    if (!object) return E_NOINTERFACE;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    const HRESULT hr = object->accDoDefaultAction(self);
    object->Release();
    return hr;
}

}  // namespace hosttest
