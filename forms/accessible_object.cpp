#include "forms/accessible_object.h"

#include <objbase.h>

#include "platform/late_bound.h"

namespace forms {
namespace {

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// An empty VARIANT, as VariantInit makes it; the few oleaut32 calls answering a
// screen reader needs are bound on first use, so start-up does not load oleaut32.
void SetEmpty(VARIANT* out) { out->vt = VT_EMPTY; }

BSTR NewBstr(const std::wstring& text) {
    static const auto allocate =
        platform::LateBound<decltype(::SysAllocStringLen)>(L"oleaut32.dll", "SysAllocStringLen");
    return allocate ? allocate(text.data(), static_cast<UINT>(text.size())) : nullptr;
}

void SetSelf(VARIANT* out) {
    out->vt = VT_I4;
    out->lVal = CHILDID_SELF;
}

}  // namespace

long WindowStates(HWND hwnd) { return WindowStates(hwnd, ::GetFocus() == hwnd); }

long WindowStates(HWND hwnd, bool focused) {
    long state = 0;
    // Visible when the window and every parent below the desktop carry WS_VISIBLE.
    const HWND desktop = ::GetDesktopWindow();
    for (HWND w = hwnd; w && w != desktop; w = ::GetAncestor(w, GA_PARENT))
        if (!(::GetWindowLongW(w, GWL_STYLE) & WS_VISIBLE)) {
            state |= STATE_SYSTEM_INVISIBLE;
            break;
        }
    if (::GetWindowLongW(hwnd, GWL_STYLE) & WS_DISABLED) state |= STATE_SYSTEM_UNAVAILABLE;
    if (focused) state |= STATE_SYSTEM_FOCUSED;
    return state;
}

LRESULT AnswerGetObject(WPARAM wp, LPARAM lp, AccessibleObject* object) {
    LRESULT result = 0;
    if (static_cast<LONG>(static_cast<DWORD>(lp)) == OBJID_CLIENT) {
        // COM and the accessibility DLL only once a screen reader asks: most runs never do.
        // A thread whose COM was already set up, in either model, keeps it.
        static const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        static const auto fromObject =
            platform::LateBound<decltype(::LresultFromObject)>(L"oleacc.dll", "LresultFromObject");
        if ((SUCCEEDED(com) || com == RPC_E_CHANGED_MODE) && fromObject)
            result = fromObject(__uuidof(IAccessible), wp, object);
    }
    object->Release();
    return result;
}

HRESULT AccessibleObject::QueryInterface(REFIID riid, void** object) {
    if (!object) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == __uuidof(IAccessible)) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG AccessibleObject::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&references_)); }

ULONG AccessibleObject::Release() {
    const LONG left = ::InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT AccessibleObject::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}
HRESULT AccessibleObject::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }
HRESULT AccessibleObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }
HRESULT AccessibleObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
    return E_NOTIMPL;
}

HRESULT AccessibleObject::Facts(const VARIANT& child, AccessibleFacts& facts) const {
    if (!IsSelf(child)) return E_INVALIDARG;
    if (!::IsWindow(hwnd_) || !ReadFacts(facts)) return CO_E_OBJNOTCONNECTED;
    return S_OK;
}

HRESULT AccessibleObject::Text(const VARIANT& child, std::wstring AccessibleFacts::*member, BSTR* out) const {
    if (!out) return E_POINTER;
    *out = nullptr;
    AccessibleFacts facts;
    if (const HRESULT hr = Facts(child, facts); FAILED(hr)) return hr;
    const std::wstring& text = facts.*member;
    if (text.empty()) return S_FALSE;
    *out = NewBstr(text);
    return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT AccessibleObject::Number(const VARIANT& child, long AccessibleFacts::*member, VARIANT* out) const {
    if (!out) return E_POINTER;
    SetEmpty(out);
    AccessibleFacts facts;
    if (const HRESULT hr = Facts(child, facts); FAILED(hr)) return hr;
    out->vt = VT_I4;
    out->lVal = facts.*member;
    return S_OK;
}

HRESULT AccessibleObject::get_accParent(IDispatch** parent) {
    if (!parent) return E_POINTER;
    *parent = nullptr;
    // The window object that frames this client object, where the platform offers one.
    static const auto fromWindow =
        platform::LateBound<decltype(::AccessibleObjectFromWindow)>(L"oleacc.dll", "AccessibleObjectFromWindow");
    if (fromWindow &&
        SUCCEEDED(fromWindow(hwnd_, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch, reinterpret_cast<void**>(parent))))
        return S_OK;
    return S_FALSE;
}

HRESULT AccessibleObject::get_accChildCount(long* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT AccessibleObject::get_accChild(VARIANT, IDispatch** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    return E_INVALIDARG;
}

HRESULT AccessibleObject::get_accName(VARIANT child, BSTR* name) { return Text(child, &AccessibleFacts::name, name); }

HRESULT AccessibleObject::get_accValue(VARIANT child, BSTR* value) {
    if (!value) return E_POINTER;
    *value = nullptr;
    return IsSelf(child) ? S_FALSE : E_INVALIDARG;
}

HRESULT AccessibleObject::get_accDescription(VARIANT child, BSTR* description) {
    return get_accValue(child, description);
}
HRESULT AccessibleObject::get_accHelp(VARIANT child, BSTR* help) { return get_accValue(child, help); }

HRESULT AccessibleObject::get_accHelpTopic(BSTR* file, VARIANT child, long* topic) {
    if (!file || !topic) return E_POINTER;
    *file = nullptr;
    *topic = 0;
    return IsSelf(child) ? S_FALSE : E_INVALIDARG;
}

HRESULT AccessibleObject::get_accRole(VARIANT child, VARIANT* role) { return Number(child, &AccessibleFacts::role, role); }

HRESULT AccessibleObject::get_accState(VARIANT child, VARIANT* state) {
    return Number(child, &AccessibleFacts::state, state);
}

HRESULT AccessibleObject::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    return Text(child, &AccessibleFacts::shortcut, shortcut);
}

HRESULT AccessibleObject::get_accDefaultAction(VARIANT child, BSTR* action) {
    return Text(child, &AccessibleFacts::defaultAction, action);
}

HRESULT AccessibleObject::get_accFocus(VARIANT* child) {
    if (!child) return E_POINTER;
    SetEmpty(child);
    if (!::IsWindow(hwnd_)) return CO_E_OBJNOTCONNECTED;
    if (::GetFocus() != hwnd_) return S_FALSE;
    SetSelf(child);
    return S_OK;
}

HRESULT AccessibleObject::get_accSelection(VARIANT* children) {
    if (!children) return E_POINTER;
    SetEmpty(children);
    return S_FALSE;
}

HRESULT AccessibleObject::accSelect(long flags, VARIANT child) {
    if (!IsSelf(child)) return E_INVALIDARG;
    if (!::IsWindow(hwnd_)) return CO_E_OBJNOTCONNECTED;
    if (flags != SELFLAG_TAKEFOCUS) return DISP_E_MEMBERNOTFOUND;
    ::SetFocus(hwnd_);
    return ::GetFocus() == hwnd_ ? S_OK : S_FALSE;
}

HRESULT AccessibleObject::accLocation(long* left, long* top, long* width, long* height, VARIANT child) {
    if (!left || !top || !width || !height) return E_POINTER;
    if (!IsSelf(child)) return E_INVALIDARG;
    RECT r{};
    if (!::GetWindowRect(hwnd_, &r)) return CO_E_OBJNOTCONNECTED;
    *left = r.left;
    *top = r.top;
    *width = r.right - r.left;
    *height = r.bottom - r.top;
    return S_OK;
}

HRESULT AccessibleObject::accNavigate(long, VARIANT start, VARIANT* end) {
    if (!end) return E_POINTER;
    SetEmpty(end);
    return IsSelf(start) ? S_FALSE : E_INVALIDARG;
}

HRESULT AccessibleObject::accHitTest(long x, long y, VARIANT* child) {
    if (!child) return E_POINTER;
    SetEmpty(child);
    if (!::IsWindow(hwnd_)) return CO_E_OBJNOTCONNECTED;
    if (::WindowFromPoint(POINT{x, y}) != hwnd_) return S_FALSE;
    SetSelf(child);
    return S_OK;
}

HRESULT AccessibleObject::accDoDefaultAction(VARIANT child) {
    AccessibleFacts facts;
    if (const HRESULT hr = Facts(child, facts); FAILED(hr)) return hr;
    if (facts.defaultAction.empty() || (facts.state & STATE_SYSTEM_UNAVAILABLE)) return DISP_E_MEMBERNOTFOUND;
    return RunDefaultAction() ? S_OK : DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleObject::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }
HRESULT AccessibleObject::put_accValue(VARIANT, BSTR) { return E_NOTIMPL; }

}  // namespace forms
