// One launcher per user session. The first start holds a named mutex of the
// session and a hidden message window; a later start finds that window, asks the
// running launcher to bring its window to the front, and ends without a window of
// its own.
#pragma once

#include "forms/window_base.h"
#include "platform/handles.h"

namespace launcher {

class SingleInstance : public forms::WindowBase {
public:
    SingleInstance();  // the mutex, and when first the message window
    ~SingleInstance() override;

    bool IsFirst() const noexcept { return first_; }
    void Release();  // the mutex and the message window go

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    platform::File mutex_;
    bool first_ = false;
};

// Lets the next start run as the first launcher (the update's new program): the
// running launcher gives up its mutex and message window.
void LetAnotherLauncherStart();

// For a later start: asks the running launcher (waiting up to two seconds for it to
// make its message window) to bring its front window forward. False when none was
// found.
bool BringRunningLauncherToFront();

}  // namespace launcher
