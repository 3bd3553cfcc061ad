// The IAccessible a window of the forms hands to assistive technology through
// WM_GETOBJECT. The platform's standard proxies are not relied upon (Wine has none),
// so each kind of control answers with its own object derived from this one.
//
// The object keeps only the window handle and asks the control for its facts on
// every call: a client may hold the object longer than the window lives, and then
// every call answers CO_E_OBJNOTCONNECTED. Only the object itself (CHILDID_SELF) is
// answered; it has no children.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <string>

namespace forms {

// What a screen reader is told about a control at one moment.
struct AccessibleFacts {
    long role = ROLE_SYSTEM_CLIENT;
    long state = 0;               // STATE_SYSTEM_... bits
    std::wstring name;
    std::wstring defaultAction;   // empty: none
    std::wstring shortcut;        // e.g. "Alt+H"; empty: none
};

class AccessibleObject : public IAccessible {
public:
    explicit AccessibleObject(HWND hwnd) noexcept : hwnd_(hwnd) {}
    virtual ~AccessibleObject() = default;
    AccessibleObject(const AccessibleObject&) = delete;
    AccessibleObject& operator=(const AccessibleObject&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDispatch (no type information: clients use the IAccessible vtable)
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;
    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

protected:
    // The control's facts; false when the control behind the window is gone.
    virtual bool ReadFacts(AccessibleFacts& facts) const = 0;
    // Runs the default action; false when the control is gone or has none.
    virtual bool RunDefaultAction() = 0;
    HWND Window() const noexcept { return hwnd_; }

private:
    // S_OK with the facts, or the error to return.
    HRESULT Facts(const VARIANT& child, AccessibleFacts& facts) const;
    HRESULT Text(const VARIANT& child, std::wstring AccessibleFacts::*member, BSTR* out) const;
    HRESULT Number(const VARIANT& child, long AccessibleFacts::*member, VARIANT* out) const;

    HWND hwnd_;
    LONG references_ = 1;
};

// The states every window shares: invisible, unavailable, focused.
long WindowStates(HWND hwnd);
// The same states, the focus taken from `focused` (what the window was told by
// WM_SETFOCUS and WM_KILLFOCUS) and the rest from the styles of the window and its
// parents: for a window of this process no round trip to the window system, cheap
// enough to check on every repaint.
long WindowStates(HWND hwnd, bool focused);

// Answers WM_GETOBJECT for OBJID_CLIENT with `object` (whose reference it takes over).
LRESULT AnswerGetObject(WPARAM wp, LPARAM lp, AccessibleObject* object);

}  // namespace forms
