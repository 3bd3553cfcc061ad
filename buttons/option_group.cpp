// Option groups: the option-mode buttons of one container window register in named
// properties of that window ("qv_OptCount", "qv_Obj1" … "qv_ObjN").
#include "buttons/qvbuttons_h.h"

#include <string>

#include "platform/log.h"

namespace buttons {
namespace {

std::wstring SlotKey(int slot) { return L"qv_Obj" + std::to_wstring(slot); }

qvButtons_H* Member(HWND container, int slot) {
    return static_cast<qvButtons_H*>(::GetPropW(container, SlotKey(slot).c_str()));
}

}  // namespace

bool qvButtons_H::OptionToggle(OptionAction action) {
    // Reading the container and the count may fail loudly; the rest quietly.
    const HWND container = ContainerHandle();
    const auto stored = reinterpret_cast<std::uintptr_t>(::GetPropW(container, L"qv_OptCount"));
    if (stored > 32767) throw std::overflow_error("Overflow");
    const int count = static_cast<int>(stored);
    bool result = false;
    try {
        if ((action == OptionJoin || count > 0) && value_) {
            for (int i = 1; i <= count; ++i) {
                qvButtons_H* other = Member(container, i);
                if (other && other != this) other->Value(false);
            }
        }
        switch (action) {
        case OptionLeave: {
            bool passed = false;
            for (int i = 1; i <= count; ++i) {
                HANDLE entry = ::GetPropW(container, SlotKey(i).c_str());
                if (passed) ::SetPropW(container, SlotKey(i - 1).c_str(), entry);
                else if (entry == static_cast<HANDLE>(this)) passed = true;
            }
            // A button that is not registered leaves the registry as it is.
            if (!passed) break;
            ::RemovePropW(container, SlotKey(count).c_str());
            if (count == 1) ::RemovePropW(container, L"qv_OptCount");
            else
                ::SetPropW(container, L"qv_OptCount", reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(count - 1)));
            break;
        }
        case OptionJoin:
            ::SetPropW(container, L"qv_OptCount", reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(count + 1)));
            ::SetPropW(container, SlotKey(count + 1).c_str(), static_cast<HANDLE>(this));
            break;
        case OptionAskChecked:
            for (int i = 1; i <= count; ++i) {
                qvButtons_H* other = Member(container, i);
                if (other && other->Value()) {
                    result = true;
                    break;
                }
            }
            break;
        case OptionClearOthers:
            break;
        }
    } catch (...) {
        // Later failures end the routine, keeping what was done.
        platform::LogFailure(L"l'aggiornamento del gruppo di opzioni");
    }
    return result;
}

}  // namespace buttons
