#include "launcher/windows/form2.h"

#include "launcher/windows/messages.h"

namespace launcher {

// Designer names of the controls this window looks up.
constexpr const wchar_t* kClauseLabel = L"Label1";
constexpr const wchar_t* kAcceptBox = L"Check1";
constexpr const wchar_t* kAcceptLabel = L"Label3";
constexpr const wchar_t* kProceedButton = L"Command1";
constexpr const wchar_t* kCancelButton = L"Command2";

Form2::Form2(forms::CheckBox& acceptance) : Form(forms::LoadFormDescription(L"FORM2")), acceptance_(acceptance) {}

void Form2::OnLoad() {
    GetLabel(kClauseLabel).SetCaption(kClauseText);
    auto& box = GetCheckBox(kAcceptBox);
    auto& proceed = GetCommandButton(kProceedButton);

    box.Click = [&proceed] { proceed.SetEnabled(!proceed.Enabled()); };
    GetLabel(kAcceptLabel).Click = [&box, &proceed] {
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
        accepted_ = true;
        Unload();
    };
    GetCommandButton(kCancelButton).Click = [this] { Unload(); };
}

}  // namespace launcher
