// The launcher's own update offer: which version counts as later, and which keys
// each kind of program reads.
#include "launcher/app/self_update.h"

#include <gtest/gtest.h>

#include "services/config.h"

namespace {

using launcher::ProgramKind;

TEST(UpdateOffer, OnlyALaterXyzOfSixteenBitNumbersIsLater) {
    const struct {
        const wchar_t* offered;
        const wchar_t* running;
        bool later;
    } cases[] = {
        {L"3.0.1", L"3.0.0", true},   {L"3.1.0", L"3.0.9", true},      {L"4.0.0", L"3.65535.65535", true},
        {L"3.0.10", L"3.0.9", true},  {L"10.0.0", L"9.9.9", true},     {L"03.0.1", L"3.0.0", true},
        {L"3.0.0", L"3.0.0", false},  {L"2.9.9", L"3.0.0", false},     {L"3.0.0", L"3.0.1", false},
        {L"3.0", L"2.0.0", false},    {L"3.0.1.0", L"3.0.0", false},   {L"3.0.x", L"3.0.0", false},
        {L"", L"3.0.0", false},       {L"65536.0.0", L"3.0.0", false}, {L"3.0.1 ", L"3.0.0", false},
        {L"+3.0.1", L"3.0.0", false}, {L"3..1", L"3.0.0", false},      {L"3.0.1.", L"3.0.0", false},
        {L"9.0.0", L"", false},       {L"9.0.0", L"3.0", false},       {L"-1.0.0", L"3.0.0", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.later, launcher::IsLaterVersion(c.offered, c.running)) << c.offered << L" over " << c.running;
}

TEST(UpdateOffer, EachKindReadsItsOwnFileAndPinAndNeverTheOthers) {
    const std::string pin64(64, 'a'), pin86(64, 'b');
    const struct {
        std::string lines;
        ProgramKind kind;
        const wchar_t* exe;  // nullptr: no offer
        std::string pin;
        const wchar_t* publishers;
    } cases[] = {
        {"eseguibile=N.exe\nsha256=" + pin64 + "\neseguibile_x86=N86.exe\nsha256_x86=" + pin86, ProgramKind::X64,
         L"N.exe", pin64, L""},
        {"eseguibile=N.exe\nsha256=" + pin64 + "\neseguibile_x86=N86.exe\nsha256_x86=" + pin86, ProgramKind::X86,
         L"N86.exe", pin86, L""},
        {"eseguibile=N.exe\nsha256=" + pin64, ProgramKind::X86, nullptr, "", L""},
        {"eseguibile=N.exe\nsha256_x86=" + pin86, ProgramKind::X86, nullptr, "", L""},
        {"eseguibile_x86=N86.exe\nsha256_x86=" + pin86, ProgramKind::X64, nullptr, "", L""},
        {"eseguibile_x86=N86.exe\nsha256=" + pin64, ProgramKind::X86, nullptr, "", L""},
        {"eseguibile_x86=N86.exe\nfirmatario=Norvel Sistemi", ProgramKind::X86, L"N86.exe", "", L"Norvel Sistemi"},
        {"eseguibile=N.exe\nfirmatario=Norvel Sistemi", ProgramKind::X64, L"N.exe", "", L"Norvel Sistemi"},
        {"eseguibile_x86=..\\N86.exe\nsha256_x86=" + pin86, ProgramKind::X86, nullptr, "", L""},
    };
    for (const auto& c : cases) {
        const auto config = services::IniFile::FromBytes("[norvelassist]\nversione=3.0.1\n" + c.lines + "\n");
        const auto offer = launcher::ReadUpdateOffer(config, L"3.0.0", c.kind);
        SCOPED_TRACE(c.lines);
        ASSERT_EQ(c.exe != nullptr, offer.has_value());
        if (!offer) continue;
        EXPECT_EQ(c.exe, offer->exeName);
        EXPECT_EQ(std::wstring(c.pin.begin(), c.pin.end()), offer->trust.sha256Pin);
        EXPECT_EQ(c.publishers, offer->trust.publishers);
        EXPECT_EQ(L"3.0.1", offer->version);
        // A configuration left behind on a fallback cannot take the program back.
        EXPECT_FALSE(launcher::ReadUpdateOffer(config, L"3.0.1", c.kind));
        EXPECT_FALSE(launcher::ReadUpdateOffer(config, L"3.1.0", c.kind));
    }
}

}  // namespace
