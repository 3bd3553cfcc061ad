#include "forms/list_box.h"

namespace forms {

ListBox::ListBox(Form& form, const ControlDescription& d)
    : SystemControl(form, d, L"LISTBOX", LBS_NOTIFY | WS_VSCROLL, WS_EX_CLIENTEDGE) {}

void ListBox::AddItem(const std::wstring& line) {
    ::SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
}

int ListBox::ListCount() const { return static_cast<int>(::SendMessageW(Handle(), LB_GETCOUNT, 0, 0)); }

std::wstring ListBox::List(int index) const {
    const LRESULT length = ::SendMessageW(Handle(), LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT got = ::SendMessageW(Handle(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(got == LB_ERR ? 0 : static_cast<size_t>(got));
    return text;
}

int ListBox::ListIndex() const {
    const LRESULT index = ::SendMessageW(Handle(), LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? -1 : static_cast<int>(index);
}

void ListBox::SetListIndex(int index) { ::SendMessageW(Handle(), LB_SETCURSEL, index, 0); }

}  // namespace forms
