#include "forms/list_box.h"

#include "forms/control_font.h"

namespace forms {

ListBox::ListBox(Form& form, const ControlDescription& d)
    : Control(form, d),
      hwnd_(CreateChild(L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | (d.tabIndex >= 0 ? WS_TABSTOP : 0),
                        WS_EX_CLIENTEDGE)),
      font_(CreateControlFont(d.font.value_or(FontObject{}))) {
    ::SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    Place(hwnd_);
}

void ListBox::AddItem(const std::wstring& line) {
    ::SendMessageW(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
}

int ListBox::ListCount() const { return static_cast<int>(::SendMessageW(hwnd_, LB_GETCOUNT, 0, 0)); }

std::wstring ListBox::List(int index) const {
    const LRESULT length = ::SendMessageW(hwnd_, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT got = ::SendMessageW(hwnd_, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(got == LB_ERR ? 0 : static_cast<size_t>(got));
    return text;
}

int ListBox::ListIndex() const {
    const LRESULT index = ::SendMessageW(hwnd_, LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? -1 : static_cast<int>(index);
}

void ListBox::SetListIndex(int index) { ::SendMessageW(hwnd_, LB_SETCURSEL, index, 0); }

}  // namespace forms
