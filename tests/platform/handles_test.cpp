#include "platform/handles.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Handles, GdiOwnersCountWhatTheyHoldAndFreeIt) {
    const long before = LiveGdiCount();
    {
        Brush brush(::CreateSolidBrush(RGB(1, 2, 3)));
        Pen pen(::CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
        ASSERT_TRUE(brush);
        ASSERT_TRUE(pen);
        EXPECT_EQ(before + 2, LiveGdiCount());
        Brush moved(std::move(brush));
        EXPECT_FALSE(brush);
        EXPECT_EQ(before + 2, LiveGdiCount());
        moved.reset(::CreateSolidBrush(RGB(4, 5, 6)));
        EXPECT_EQ(before + 2, LiveGdiCount());
    }
    EXPECT_EQ(before, LiveGdiCount());
}

TEST(Handles, ReleasedObjectIsNoLongerOwnedOrCounted) {
    const long before = LiveGdiCount();
    Brush brush(::CreateSolidBrush(RGB(1, 2, 3)));
    HBRUSH raw = brush.release();
    EXPECT_EQ(before, LiveGdiCount());
    // Still a valid object: the owner did not delete it.
    LOGBRUSH lb{};
    EXPECT_EQ(static_cast<int>(sizeof lb), ::GetObjectW(raw, sizeof lb, &lb));
    EXPECT_EQ(RGB(1, 2, 3), lb.lbColor);
    ::DeleteObject(raw);
}

TEST(Handles, FileTreatsInvalidHandleAsEmpty) {
    File f(::CreateFileW(L"Z:\\no\\such\\folder\\file.txt", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_FALSE(f);
}

TEST(Handles, ScopedSelectPutsThePreviousObjectBack) {
    MemoryDC dc(::CreateCompatibleDC(nullptr));
    HGDIOBJ original = ::GetCurrentObject(dc.get(), OBJ_BRUSH);
    Brush brush(::CreateSolidBrush(RGB(9, 9, 9)));
    {
        ScopedSelect sel(dc.get(), brush.get());
        EXPECT_EQ(brush.get(), ::GetCurrentObject(dc.get(), OBJ_BRUSH));
    }
    EXPECT_EQ(original, ::GetCurrentObject(dc.get(), OBJ_BRUSH));
}
