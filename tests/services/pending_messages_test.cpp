// The pending-message pass the download engine makes between chunks.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "platform/handles.h"
#include "platform/pending_messages.h"

namespace {

std::vector<UINT>* g_seen = nullptr;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (g_seen && (msg >= WM_APP || msg == WM_PAINT)) g_seen->push_back(msg);
    return ::DefWindowProcW(hwnd, msg, wp, lp);
}

platform::Window MakeWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = RecordingProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"NorvelPendingMessages";
    ::RegisterClassW(&wc);
    return platform::Window(::CreateWindowW(wc.lpszClassName, L"pending", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                            nullptr, wc.hInstance, nullptr));
}

TEST(ProcessPendingMessages, DispatchesEveryWaitingMessageInOrderAndReturns) {
    platform::Window window = MakeWindow();
    ASSERT_TRUE(window);
    std::vector<UINT> seen;
    g_seen = &seen;
    ::PostMessageW(window.get(), WM_APP + 1, 0, 0);
    ::PostMessageW(window.get(), WM_APP + 2, 0, 0);
    ::PostMessageW(window.get(), WM_APP + 3, 0, 0);
    platform::ProcessPendingMessages();
    EXPECT_EQ(seen, (std::vector<UINT>{WM_APP + 1, WM_APP + 2, WM_APP + 3}));
    platform::ProcessPendingMessages();  // an empty queue: returns at once
    EXPECT_EQ(seen.size(), 3u);
    // The windows' key filter sees each message first; what it takes is not dispatched.
    platform::SetMessageFilter([](const MSG& msg) { return msg.message == WM_APP + 2; });
    ::PostMessageW(window.get(), WM_APP + 1, 0, 0);
    ::PostMessageW(window.get(), WM_APP + 2, 0, 0);
    platform::ProcessPendingMessages();
    platform::SetMessageFilter(nullptr);
    EXPECT_EQ(seen, (std::vector<UINT>{WM_APP + 1, WM_APP + 2, WM_APP + 3, WM_APP + 1}));
    g_seen = nullptr;
}

TEST(ProcessPendingMessages, WithoutPaintLeavesTheRepaintForALaterPass) {
    platform::Window window = MakeWindow();
    ASSERT_TRUE(window);
    ::ShowWindow(window.get(), SW_SHOWNA);
    ::UpdateWindow(window.get());
    std::vector<UINT> seen;
    g_seen = &seen;
    ::InvalidateRect(window.get(), nullptr, FALSE);
    ::PostMessageW(window.get(), WM_APP + 1, 0, 0);
    platform::ProcessPendingMessages(false);
    EXPECT_EQ(seen, (std::vector<UINT>{WM_APP + 1}));
    platform::ProcessPendingMessages();
    EXPECT_EQ(seen, (std::vector<UINT>{WM_APP + 1, WM_PAINT}));
    g_seen = nullptr;
}

TEST(ProcessPendingMessages, LeavesAQuitRequestForTheMessageLoop) {
    platform::Window window = MakeWindow();
    std::vector<UINT> seen;
    g_seen = &seen;
    ::PostQuitMessage(7);
    platform::ProcessPendingMessages();
    g_seen = nullptr;
    MSG msg;
    ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
}

}  // namespace
