// One launcher per user session. The first launcher owns a named mutex of the
// session and a hidden message window. A later start asks the running launcher,
// through that window, to bring its window to the front, and ends without a window
// of its own; when the running launcher has no window left to show (it is ending),
// the later start waits for the mutex and goes on as the first. A launcher gives
// both up as soon as its last window has closed, before its own teardown.
#pragma once

#include "forms/window_base.h"
#include "platform/handles.h"

namespace launcher {

class SingleInstance : public forms::WindowBase {
public:
    SingleInstance();  // the first when it takes the mutex at once; the first makes the message window
    ~SingleInstance() override;

    bool IsFirst() const noexcept { return first_; }

    // For a later start. False when the running launcher brought a window of its own
    // to the front (the foreground right passes on to it), or kept its mutex for five
    // seconds; true when it had no window to show and gave its mutex up meanwhile:
    // this start is the first now.
    bool TakeOverUnlessRunningShows();

    // The mutex and the message window go: the next start is the first. Called on
    // the thread that made this instance; again, it does nothing.
    void Release() noexcept;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool TakeMutex(DWORD waitMs);
    void BecomeFirst();

    platform::File mutex_;
    bool first_ = false;
};

// Lets the next start run as the first launcher (the update's new program): the
// running launcher gives up its mutex and message window.
void LetAnotherLauncherStart() noexcept;

}  // namespace launcher
