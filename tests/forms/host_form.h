// A form of the forms runtime with real qvButtons_H buttons, built from a
// description held in the test.
#pragma once

#include <string>

#include "buttons/hosted_qvbuttons.h"
#include "buttons/qvbuttons_h.h"
#include "forms/form.h"

namespace hosttest {

// Cmd "&Vai" (the default button), two option buttons, a check button "&Controlla",
// Esci (the cancel button) and a list box, in this tab order.
inline constexpr char kKeysForm[] = R"({
  "name": "FormTasti", "caption": "Tasti", "clientWidth": 7200, "clientHeight": 2400,
  "defaultButton": "Cmd", "cancelButton": "Esci",
  "controls": [
    {"name": "Cmd", "kind": "qvButtons_H", "left": 120, "top": 120, "width": 1335, "height": 615, "tabIndex": 0,
     "properties": {"caption": "&Vai"}},
    {"name": "OptA", "kind": "qvButtons_H", "left": 1560, "top": 120, "width": 1335, "height": 615, "tabIndex": 1,
     "properties": {"caption": "Uno", "mode": 2}},
    {"name": "OptB", "kind": "qvButtons_H", "left": 3000, "top": 120, "width": 1335, "height": 615, "tabIndex": 2,
     "properties": {"caption": "Due", "mode": 2}},
    {"name": "Chk", "kind": "qvButtons_H", "left": 4440, "top": 120, "width": 1335, "height": 615, "tabIndex": 3,
     "properties": {"caption": "&Controlla", "mode": 1}},
    {"name": "Esci", "kind": "qvButtons_H", "left": 5880, "top": 120, "width": 1200, "height": 615, "tabIndex": 4,
     "properties": {"caption": "Esci"}},
    {"name": "List1", "kind": "listbox", "left": 120, "top": 960, "width": 2400, "height": 1200, "tabIndex": 5},
    {"name": "Label1", "kind": "label", "left": 2760, "top": 960, "width": 2400, "height": 600,
     "caption": "Stato", "backStyle": 1},
    {"name": "Label2", "kind": "label", "left": 2760, "top": 1680, "width": 2400, "height": 300,
     "caption": "www.esempio.it", "link": true}
  ]})";

class HostForm : public forms::Form {
public:
    HostForm() : Form((buttons::RegisterHostedButtons(), forms::ParseFormDescription(kKeysForm))) {}
    buttons::qvButtons_H& Button(const wchar_t* name) {
        return *dynamic_cast<buttons::qvButtons_H*>(forms::WindowBase::FromHandle(GetButton(name).Handle()));
    }
};

}  // namespace hosttest
