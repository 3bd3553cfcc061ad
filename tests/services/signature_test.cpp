// The configuration's signature: files that scripts/sign-config signed with keys the
// build made (make_signed_configs.sh), checked through CNG, and changed copies of them;
// then the DER, base64 and "serie" readers against tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "services/base64.h"
#include "services/config_serie.h"
#include "services/config_signature.h"
#include "tests/support/temp_folder.h"
#include "tests/support/wine_path.h"

namespace {

using services::SignatureLineFault;
using enum services::SignatureOutcome;

std::wstring FixturePath(const std::string& name) {
    return testsupport::WinePath(NORVEL_SIGNED_CONFIGS_DIR "/" + name);
}
std::string Fixture(const std::string& name) { return testsupport::ReadWholeFile(FixturePath(name)); }

services::EcdsaP256Key Key(const std::string& name) {
    const std::string xy = Fixture(name + ".xy");
    services::EcdsaP256Key key{};
    EXPECT_EQ(key.size(), xy.size()) << name;
    std::copy_n(xy.begin(), std::min(xy.size(), key.size()), key.begin());
    return key;
}

const wchar_t* ReasonOf(services::SignatureOutcome outcome) {
    return outcome == Good ? L"firma valida" : outcome == Absent ? L"firma assente" : L"firma non valida";
}

TEST(ConfigSignature, SignedFilesVerifyUnderAnyOfTheirKeysOnly) {
    const auto a = Key("a"), b = Key("b");
    struct Case { const char* file; std::vector<services::EcdsaP256Key> keys; services::SignatureOutcome outcome; };
    const Case cases[] = {
        {"lf.ini", {a}, Good},       {"crlf.ini", {a}, Good},     {"by-b.ini", {b}, Good},
        {"lf.ini", {b, a}, Good},    {"by-b.ini", {a, b}, Good},  {"big.ini", {a}, Good},  // exactly 1 MiB
        {"lf.ini", {b}, Bad},        {"by-b.ini", {a}, Bad},      {"lf.ini", {}, Bad},
        {"big-plus.ini", {a}, Absent}, {"missing.ini", {a}, Absent},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const services::SignatureCheck check = services::CheckConfigSignatureFile(FixturePath(c.file), c.keys);
        EXPECT_EQ(c.outcome, check.outcome);
        EXPECT_EQ(ReasonOf(c.outcome), check.reason);
    }
}

// sign-config kept each file's line ends and gave its last line a line break before the signature.
TEST(ConfigSignature, SignConfigKeepsLineEnds) {
    for (const auto& [file, eol] : {std::pair<std::string, std::string>{"lf.ini", "\n"}, {"crlf.ini", "\r\n"}}) {
        const std::string bytes = Fixture(file);
        EXPECT_EQ(eol == "\n" ? 0 : std::count(bytes.begin(), bytes.end(), '\n'), std::count(bytes.begin(), bytes.end(), '\r'));
        const std::string_view signedPart = services::SplitSignedConfig(bytes).signedBytes;
        EXPECT_TRUE(signedPart.ends_with("\neseguibile=NorvelHelpdesk.exe" + eol) && bytes.ends_with(eol)) << file;
    }
}

TEST(ConfigSignature, ChangedCopiesOfASignedFile) {
    const std::string signedFile = Fixture("lf.ini");
    const std::size_t line = signedFile.rfind(";firma=");
    const std::string body = signedFile.substr(0, line);
    const std::string value = signedFile.substr(line + 7, signedFile.size() - line - 8);
    const std::string bodyWithCrlf = body.substr(0, body.size() - 1) + "\r\n";
    auto replaced = [](std::string text, std::size_t at, char c) { return text.replace(at, 1, 1, c); };
    auto padded = [&](std::size_t size) { return std::string(size - signedFile.size() - 1, ';') + "\n" + signedFile; };

    struct Case { const char* what; std::string text; SignatureLineFault fault; services::SignatureOutcome outcome; };
    using enum SignatureLineFault;
    const Case cases[] = {
        {"signature line without line break", body + ";firma=" + value, None, Good},
        {"signature line ending in CRLF", body + ";firma=" + value + "\r\n", None, Good},
        {"a byte changed", replaced(signedFile, 3, 'N'), None, Bad},
        {"the line break before the signature as CRLF", bodyWithCrlf + ";firma=" + value + "\n", None, Bad},
        {"1 MiB", padded(1024 * 1024), None, Bad},
        {"1024-byte signature", body + ";firma=" + std::string(1364, 'A') + "AA==\n", None, Bad},
        {"unsigned", body, NoSignatureLine, Absent},
        {"signature line in capitals", body + ";FIRMA=" + value + "\n", NoSignatureLine, Absent},
        {"an empty line after it", signedFile + "\n", LineAfterSignature, Absent},
        {"a comment after it", signedFile + ";fine", LineAfterSignature, Absent},
        {"a second signature line first", ";firma=" + value + "\n" + signedFile, SecondSignatureLine, Absent},
        {"empty signature", body + ";firma=\n", EmptyValue, Absent},
        {"a lone CR after it", body + ";firma=" + value + "\r", NotBase64, Absent},
        {"padding too long", body + ";firma=" + value + "=\n", NotBase64, Absent},
        {"a character out of the alphabet", body + ";firma=" + replaced(value, 5, '*') + "\n", NotBase64, Absent},
        {"a blank inside", body + ";firma=" + value.substr(0, 8) + " " + value.substr(8) + "\n", NotBase64, Absent},
        {"1026-byte signature", body + ";firma=" + std::string(1368, 'A') + "\n", SignatureTooLarge, Absent},
        {"1 MiB and a byte", padded(1024 * 1024 + 1), FileTooLarge, Absent},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.fault, services::SplitSignedConfig(c.text).fault);
        const services::SignatureCheck check = services::CheckConfigSignature(c.text, {Key("a")});
        EXPECT_EQ(c.outcome, check.outcome);
        EXPECT_EQ(ReasonOf(c.outcome), check.reason);
    }
}

// Bytes written as hex pairs, "xx*n" for n of them: "30 25 02 01 05 02 20 41*32".
std::vector<unsigned char> Hex(const std::string& text) {
    std::vector<unsigned char> bytes;
    std::istringstream in(text);
    for (std::string pair; in >> pair;)
        bytes.insert(bytes.end(), pair.size() > 2 ? std::stoul(pair.substr(3)) : 1,
                     static_cast<unsigned char>(std::stoul(pair.substr(0, 2), nullptr, 16)));
    return bytes;
}

TEST(EcdsaP256, DerToRawSignature) {
    const std::pair<const char*, const char*> cases[] = {  // DER, r‖s ("" when refused)
        {"30 25 02 01 05 02 20 41*32", "00*31 05 41*32"},                             // short r
        {"30 45 02 21 00 9c*32 02 20 41*32", "9c*32 41*32"},                          // r with a sign byte
        {"30 44 02 20 7f*32 02 20 41*32", "7f*32 41*32"},                             // 32-byte r, no sign byte
        {"30 43 02 20 41*32 02 1f 41*31", "41*32 00 41*31"},                          // short s
        {"30 25 02 01 05 02 20 41*32 00", ""},                                        // a byte after the sequence
        {"30 26 02 01 05 02 20 41*32 00", ""},                                        // a byte after s
        {"31 25 02 01 05 02 20 41*32", ""},                                           // sequence tag
        {"30 25 03 01 05 02 20 41*32", ""},                                           // integer tag
        {"30 26 02 01 05 02 20 41*32", ""},                                           // sequence overruns
        {"30 25 02 01 05 02 21 41*32", ""},                                           // s overruns
        {"30 81 25 02 01 05 02 20 41*32", ""},                                        // long-form length
        {"30 45 02 21 01 41*32 02 20 41*32", ""},                                     // 33 significant bytes
        {"30 44 02 20 9c*32 02 20 41*32", ""},                                        // negative r
        {"30 26 02 02 00 05 02 20 41*32", ""},                                        // needless sign byte
        {"30 24 02 00 02 20 41*32", ""},                                              // empty integer
    };
    for (const auto& [der, raw] : cases) {
        const auto converted = services::DerToRawSignature(Hex(der));
        EXPECT_EQ(std::string(raw).empty() ? std::vector<unsigned char>{} : Hex(raw),
                  converted ? std::vector<unsigned char>(converted->begin(), converted->end())
                            : std::vector<unsigned char>{}) << der;
    }
    EXPECT_FALSE(services::DerToRawSignature({}));
}

TEST(Base64, DecodesOnlyStrictPaddedText) {
    // RFC 4648's examples, the last two characters of the alphabet, then refusals.
    const std::pair<const char*, const char*> good[] = {
        {"", ""}, {"Zg==", "f"}, {"Zm8=", "fo"}, {"Zm9v", "foo"}, {"Zm9vYmE=", "fooba"}, {"Zm9vYmFy", "foobar"},
        {"+/+/", "\xfb\xff\xbf"},
    };
    for (const auto& [text, bytes] : good) {
        const auto decoded = services::DecodeBase64(text);
        ASSERT_TRUE(decoded) << text;
        EXPECT_EQ(bytes, std::string(decoded->begin(), decoded->end())) << text;
    }
    for (const char* text : {"Zg", "Zg=", "Zg===", "Z===", "====", "Zg==Zg==", "Zh==", "Zm9=", "Zm9v\n", "Zm 9v",
                             "Zm9-", "Zm9_"})
        EXPECT_FALSE(services::DecodeBase64(text)) << text;
}

TEST(ConfigSerie, PlainDecimalNumbersUpTo64Bits) {
    const std::pair<const wchar_t*, std::optional<std::uint64_t>> cases[] = {
        {L"", 0}, {L"0", 0}, {L"2026120901", 2026120901}, {L"007", 7},
        {L"18446744073709551615", 18446744073709551615ull}, {L"18446744073709551616", std::nullopt},
        {L"100000000000000000000", std::nullopt}, {L"-1", std::nullopt}, {L"+1", std::nullopt},
        {L" 1", std::nullopt}, {L"1 ", std::nullopt}, {L"0x10", std::nullopt}, {L"1.5", std::nullopt},
        {L"12a", std::nullopt}, {L"\xFF11\xFF12", std::nullopt},  // full-width digits
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(value, services::ParseSerie(text)) << text;
}

}  // namespace
