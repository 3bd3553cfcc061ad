#include "launcher/form2.h"

#include "launcher/messages.h"

namespace launcher {

Form2::Form2(forms::CheckBox& acceptance) : Form(forms::LoadFormDescription(L"FORM2")), acceptance_(acceptance) {}

void Form2::OnLoad() {
    GetLabel(L"Label1").SetCaption(kClauseText);
    auto& box = GetCheckBox(L"Check1");
    auto& proceed = GetCommandButton(L"Command1");

    box.Click = [&proceed] { proceed.SetEnabled(!proceed.Enabled()); };
    GetLabel(L"Label3").Click = [&box, &proceed] {
        if (proceed.Enabled()) {
            box.SetValue(0);
            proceed.SetEnabled(false);
        } else {
            box.SetValue(1);
            proceed.SetEnabled(true);
        }
    };
    proceed.Click = [this] {
        acceptance_.SetValue(1);
        Unload();
    };
    GetCommandButton(L"Command2").Click = [this] { Unload(); };
}

}  // namespace launcher
