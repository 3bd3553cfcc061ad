#include "forms/label_accessible.h"

#include "forms/label.h"

namespace forms {
namespace {

Label* LabelOf(HWND hwnd) { return dynamic_cast<Label*>(WindowBase::FromHandle(hwnd)); }

class LabelAccessible : public AccessibleObject {
public:
    using AccessibleObject::AccessibleObject;

protected:
    bool ReadFacts(AccessibleFacts& facts) const override {
        const Label* label = LabelOf(Window());
        if (!label) return false;
        facts.name = label->Caption();
        facts.state = WindowStates(Window()) | STATE_SYSTEM_READONLY;
        if (label->IsLink()) {
            facts.role = ROLE_SYSTEM_LINK;
            facts.state |= STATE_SYSTEM_LINKED;
            facts.defaultAction = kLinkAction;
        } else {
            facts.role = ROLE_SYSTEM_STATICTEXT;
        }
        return true;
    }
    bool RunDefaultAction() override {
        Label* label = LabelOf(Window());
        if (!label || !label->IsLink() || !label->Click) return false;
        label->Click();
        return true;
    }
};

}  // namespace

AccessibleObject* NewLabelAccessible(HWND hwnd) { return new LabelAccessible(hwnd); }

}  // namespace forms
