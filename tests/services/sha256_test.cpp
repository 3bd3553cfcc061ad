// SHA-256 through CNG against the published test vectors, and the pin comparison.
#include <gtest/gtest.h>

#include "services/sha256.h"
#include "tests/support/temp_folder.h"

namespace {

// FIPS 180-2 examples, and one million "a" fed in pieces of 4096 bytes.
TEST(Sha256, KnownDigests) {
    struct Case {
        std::string data;
        const wchar_t* digest;
    };
    for (const Case& c : {Case{"", L"e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
                          Case{"abc", L"ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
                          Case{std::string(1000000, 'a'),
                               L"cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"}}) {
        services::Sha256 hash;
        for (std::size_t at = 0; at < c.data.size(); at += 4096)
            hash.Add(c.data.data() + at, std::min<std::size_t>(4096, c.data.size() - at));
        EXPECT_EQ(c.digest, hash.HexDigest());
        testsupport::TempFolder folder;
        testsupport::WriteWholeFile(folder.File(L"f.bin"), c.data);
        EXPECT_EQ(c.digest, services::FileSha256(folder.File(L"f.bin")));
    }
}

TEST(Sha256, PinMatchesInEitherCaseAndOnlyInFull) {
    const std::wstring abc = L"ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";
    EXPECT_TRUE(services::MatchesPin(abc, L"BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD"));
    for (const std::wstring& pin : {abc.substr(0, 63), abc.substr(0, 63) + L"c", L" " + abc})
        EXPECT_FALSE(services::MatchesPin(abc, pin));
    EXPECT_FALSE(services::MatchesPin(L"", L""));
}

}  // namespace
