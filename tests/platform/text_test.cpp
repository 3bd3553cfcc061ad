#include "platform/text.h"

#include <gtest/gtest.h>
#include <windows.h>

using namespace platform;

TEST(Text, Utf8RoundTripKeepsAccents) {
    const std::wstring w = L"più aggiornata, è, Verrà";
    EXPECT_EQ(w, FromUtf8(ToUtf8(w)));
    EXPECT_EQ("pi\xC3\xB9", ToUtf8(L"più"));
}

TEST(Text, AnsiCodePageHoldsItalianAccents) {
    // Western code page 1252: à is 0xE0, ù is 0xF9.
    ASSERT_EQ(1252u, ::GetACP());
    EXPECT_EQ("\xE0\xF9", ToAnsi(L"àù"));
    EXPECT_EQ(L"àù", FromAnsi("\xE0\xF9"));
}

TEST(Text, UpperCaseFollowsThePlatform) {
    EXPECT_EQ(L"HTTP://X", ToUpper(L"hTtP://x"));
    EXPECT_EQ(L"", ToUpper(L""));
}
