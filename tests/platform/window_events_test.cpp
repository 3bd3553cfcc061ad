// The way back from a worker to a window's thread: events run in order on the
// window thread, one posted message per batch, dropped when forgotten; waits that
// end on their event, their cancel or their deadline; workers that end with their owner.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "platform/cancel_event.h"
#include "platform/handles.h"
#include "platform/log.h"
#include "platform/window_events.h"
#include "platform/worker.h"
#include "tests/support/temp_folder.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

platform::WindowEvents* g_events = nullptr;
int g_wakeUps = 0;  // events messages the window got

LRESULT CALLBACK EventsProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == platform::WindowEvents::Message()) ++g_wakeUps;
    if (g_events && g_events->Handle(msg)) return 0;
    return ::DefWindowProcW(hwnd, msg, wp, lp);
}

class Events : public ::testing::Test {
protected:
    Events() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = EventsProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"NorvelEventsTest";
        ::RegisterClassW(&wc);
        window.reset(::CreateWindowW(wc.lpszClassName, L"events", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                     nullptr, wc.hInstance, nullptr));
        g_events = &events;
        g_wakeUps = 0;
    }
    ~Events() override {
        g_events = nullptr;
        events.Attach(nullptr);
    }
    // Takes this thread's messages until none is waiting.
    static void Pump() {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
    }

    platform::WindowEvents events;
    platform::Window window;
    std::vector<int> ran;
};

TEST_F(Events, WorkersEventsRunInOrderOnTheWindowThreadOneMessageABatch) {
    ASSERT_TRUE(window);
    const DWORD windowThread = ::GetCurrentThreadId();
    int owner = 0;
    bool elsewhere = false;
    // Posted before the window is attached: they wait for it.
    std::thread([&] {
        for (int i = 0; i < 500; ++i)
            events.Post(&owner, [&, i] {
                ran.push_back(i);
                elsewhere |= ::GetCurrentThreadId() != windowThread;
            });
    }).join();
    Pump();
    EXPECT_TRUE(ran.empty());
    events.Attach(window.get());
    Pump();
    ASSERT_EQ(500u, ran.size());
    for (int i = 0; i < 500; ++i) EXPECT_EQ(i, ran[i]);
    EXPECT_FALSE(elsewhere);
    EXPECT_EQ(1, g_wakeUps);

    // An event posted by an event runs in the same pass, after it.
    ran.clear();
    events.Post(&owner, [&] {
        ran.push_back(1);
        events.Post(&owner, [&] { ran.push_back(2); });
    });
    Pump();
    EXPECT_EQ((std::vector<int>{1, 2}), ran);
}

TEST_F(Events, ForgottenAndDetachedEventsNeverRun) {
    events.Attach(window.get());
    int cancelled = 0, kept = 0;
    events.Post(&cancelled, [&] { ran.push_back(1); });
    events.Post(&kept, [&] { ran.push_back(2); });
    events.Forget(&cancelled);
    // An event that forgets another owner's later events (a fetch stopped while its
    // news waits) stops them within the same pass.
    events.Post(&kept, [&] { events.Forget(&cancelled); });
    events.Post(&cancelled, [&] { ran.push_back(3); });
    events.Post(&kept, [&] { ran.push_back(4); });
    Pump();
    EXPECT_EQ((std::vector<int>{2, 4}), ran);

    events.Post(&kept, [&] { ran.push_back(5); });
    events.Attach(nullptr);  // the window goes
    events.Attach(window.get());
    Pump();
    EXPECT_EQ((std::vector<int>{2, 4}), ran);
}

TEST(WaitFor, EndsOnTheEventTheCancelOrTheDeadline) {
    platform::File event = platform::MakeEvent(true);
    platform::CancelEvent cancel;
    const auto soon = [] { return Clock::now() + milliseconds(50); };
    EXPECT_EQ(platform::WaitOutcome::TimedOut, platform::WaitFor(event.get(), &cancel, soon()));
    EXPECT_EQ(platform::WaitOutcome::TimedOut, platform::WaitFor(event.get(), nullptr, soon()));
    cancel.Set();
    EXPECT_TRUE(cancel.IsSet());
    EXPECT_EQ(platform::WaitOutcome::Cancelled, platform::WaitFor(event.get(), &cancel, soon()));
    ::SetEvent(event.get());
    EXPECT_EQ(platform::WaitOutcome::Signalled, platform::WaitFor(event.get(), &cancel, soon()));  // the event wins
    cancel.Reset();
    EXPECT_FALSE(cancel.IsSet());
    ::ResetEvent(event.get());

    // A deadline is kept however the system's timer rounds.
    const auto deadline = Clock::now() + milliseconds(120);
    EXPECT_EQ(platform::WaitOutcome::TimedOut, platform::WaitFor(event.get(), &cancel, deadline));
    EXPECT_GE(Clock::now(), deadline);

    // A cancel from another thread ends a long wait at once, not at its deadline.
    const auto start = Clock::now();
    std::thread canceller([&] {
        ::Sleep(100);
        cancel.Set();
    });
    EXPECT_EQ(platform::WaitOutcome::Cancelled,
              platform::WaitFor(event.get(), &cancel, start + std::chrono::seconds(20)));
    canceller.join();
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(10));
}

TEST(Worker, IsCancelledAndJoinedWithItsOwnerAndSurvivesAThrowingJob) {
    std::atomic<int> outcome{-1};
    {
        platform::Worker worker;
        worker.Start([&](const platform::CancelEvent& cancel) {
            platform::File never = platform::MakeEvent(true);
            outcome = static_cast<int>(platform::WaitFor(never.get(), &cancel, Clock::now() + std::chrono::hours(1)));
        });
    }  // the owner goes: the job saw its cancel and has ended
    EXPECT_EQ(static_cast<int>(platform::WaitOutcome::Cancelled), outcome.load());

    testsupport::TempFolder folder;
    platform::SetLogFolder(folder.Path().wstring());
    platform::Worker worker;
    worker.Start([](const platform::CancelEvent&) { throw std::runtime_error("guasto"); });
    worker.Join();  // logged, not the process's end
    platform::FlushLog();
    EXPECT_NE(std::string::npos, testsupport::ReadWholeFile(folder.Path() / L"norvelassist.log").find("guasto"));
    platform::SetLogFolder(L"");
    bool ranAgain = false;
    worker.Start([&](const platform::CancelEvent& cancel) { ranAgain = !cancel.IsSet(); });  // a fresh cancel
    worker.Join();
    EXPECT_TRUE(ranAgain);
}

}  // namespace
