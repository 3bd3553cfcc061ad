// The configuration reader on real profile files.
#include <gtest/gtest.h>

#include "services/config.h"
#include "services/profile_text.h"
#include "tests/support/temp_folder.h"

namespace {

using testsupport::TempFolder;
using testsupport::WriteWholeFile;

class Config : public ::testing::Test {
protected:
    TempFolder folder;
    std::wstring Ini(const std::string& text, const std::wstring& name = L"norvelassist.ini") {
        WriteWholeFile(folder.Path() / name, text);
        return folder.File(name);
    }
};

TEST_F(Config, ReadsValuesOfTheToolSections) {
    const std::wstring ini = Ini(
        "[norvelassist]\r\nversione=3.0.0\r\n[1]\r\nnome=Assistenza rapida\r\neseguibile=tool1.exe\r\n"
        "versione=5.2.0.1\r\n[10]\r\nnome=Decimo\r\n");
    EXPECT_EQ(services::ReadIni(ini, L"norvelassist", L"versione"), L"3.0.0");
    EXPECT_EQ(services::ReadIni(ini, L"1", L"nome"), L"Assistenza rapida");
    EXPECT_EQ(services::ReadIni(ini, L"1", L"eseguibile"), L"tool1.exe");
    EXPECT_EQ(services::ReadIni(ini, L"1", L"versione"), L"5.2.0.1");
    EXPECT_EQ(services::ReadIni(ini, L"10", L"nome"), L"Decimo");
}

TEST_F(Config, LongValueIsCutTo254Characters) {
    std::string value;
    for (int i = 0; i < 300; ++i) value += static_cast<char>('a' + i % 26);
    const std::wstring ini = Ini("[1]\r\nnome=" + value + "\r\n");
    const std::wstring got = services::ReadIni(ini, L"1", L"nome");
    EXPECT_EQ(got, std::wstring(value.begin(), value.begin() + 254));
    const std::string exact(254, 'z');
    EXPECT_EQ(services::ReadIni(Ini("[1]\r\nnome=" + exact + "\r\n", L"b.ini"), L"1", L"nome"),
              std::wstring(254, L'z'));
}

TEST_F(Config, MissingFileSectionKeyAndEmptyValueAllReadEmpty) {
    const std::wstring ini = Ini("[1]\r\nnome=\r\neseguibile=x.exe\r\n");
    EXPECT_EQ(services::ReadIni(folder.File(L"absent.ini"), L"1", L"nome"), L"");
    EXPECT_EQ(services::ReadIni(ini, L"2", L"nome"), L"");
    EXPECT_EQ(services::ReadIni(ini, L"1", L"versione"), L"");
    EXPECT_EQ(services::ReadIni(ini, L"1", L"nome"), L"");
    EXPECT_EQ(services::ReadIniSection(folder.File(L"absent.ini"), L"1"), L"");
    EXPECT_EQ(services::ReadIniSection(ini, L"2"), L"");
}

TEST_F(Config, SectionAndKeyNamesMatchWithoutRegardToCase) {
    const std::wstring ini = Ini("[NorvelAssist]\r\nVersione=3.0.0\r\n");
    EXPECT_EQ(services::ReadIni(ini, L"norvelassist", L"versione"), L"3.0.0");
    EXPECT_EQ(services::ReadIni(ini, L"NORVELASSIST", L"VERSIONE"), L"3.0.0");
}

TEST_F(Config, ArgumentsAreLeftUnchanged) {
    const std::wstring ini = Ini("[1]\r\nnome=x\r\n");
    const std::wstring file = ini, section = L"1", key = L"nome";
    services::ReadIni(file, section, key);
    EXPECT_EQ(file, ini);
    EXPECT_EQ(section, L"1");
    EXPECT_EQ(key, L"nome");
}

TEST_F(Config, SectionGivesEntriesEachEndedByNul) {
    const std::wstring ini = Ini("[3]\r\nnome=Terzo\r\neseguibile=t3.exe\r\n");
    EXPECT_EQ(services::ReadIniSection(ini, L"3"), std::wstring(L"nome=Terzo\0eseguibile=t3.exe\0", 29));
}

TEST_F(Config, SectionIsCutAtItsBuffer) {
    std::string text = "[3]\r\n";
    for (int i = 0; i < 40; ++i) text += "key" + std::to_string(i) + "=value\r\n";
    const std::wstring section = services::ReadIniSection(Ini(text), L"3");
    EXPECT_LE(section.size(), 254u);
    EXPECT_EQ(section.rfind(L"key0=value", 0), 0u);
}

TEST_F(Config, AnsiTextsReadTheSame) {
    // "Perché" and "è" in the ANSI code page (Windows-1252).
    const std::wstring ini = Ini("[1]\r\nnome=Perch\xE9 \xE8 cos\xEC\r\n");
    EXPECT_EQ(services::ReadIni(ini, L"1", L"nome"), L"Perché è così");
}

TEST_F(Config, FileInAFolderOutsideTheAnsiCodePage) {
    TempFolder unicode(L"Ωμέγα-测试");
    WriteWholeFile(unicode.Path() / L"norvelassist.ini", "[norvelassist]\r\nversione=3.0.0\r\n");
    EXPECT_EQ(services::ReadIni(unicode.File(L"norvelassist.ini"), L"norvelassist", L"versione"), L"3.0.0");
    EXPECT_EQ(services::ReadIniSection(unicode.File(L"norvelassist.ini"), L"norvelassist"),
              std::wstring(L"versione=3.0.0\0", 15));
}

// The same name saved by different editors: a byte-order mark names its encoding;
// without one, valid UTF-8 with accents is UTF-8 and anything else is ANSI.
TEST(ProfileText, EachEncodingDecodesToTheSameText) {
    using namespace std::string_literals;
    struct Case {
        std::string bytes;
        std::wstring text;
    };
    for (const Case& c : {Case{"Citt\xE0 Pi\xF9", L"Città Più"}, Case{"Citt\xC3\xA0 Pi\xC3\xB9", L"Città Più"},
                          Case{"\xEF\xBB\xBF" "Citt\xC3\xA0", L"Città"}, Case{"\xFF\xFEP\0\xE0\0"s, L"Pà"},
                          Case{"\xFE\xFF\0P\0\xE0"s, L"Pà"}, Case{"plain", L"plain"},
                          Case{"\xC3\xA0 then \xE0", L"Ã\u00A0 then à"}}) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(c.text, services::DecodeProfileText(c.bytes));
    }
}

}  // namespace
