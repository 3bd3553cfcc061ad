// Form2, the acceptance clause dialog: shows the billing clause; "Continua" (enabled
// only while the box is ticked) sets the main window's acceptance box to 1.
// "Annulla", Esc and the close box leave it without accepting.
#pragma once

#include "forms/form.h"

namespace launcher {

class Form2 : public forms::Form {
public:
    // `acceptance` is the main window's hidden check box Check1.
    explicit Form2(forms::CheckBox& acceptance);
    // True once this showing was left with "Continua".
    bool Accepted() const { return accepted_; }

protected:
    void OnLoad() override;

private:
    forms::CheckBox& acceptance_;
    bool accepted_ = false;
};

}  // namespace launcher
