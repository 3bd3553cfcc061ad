// The diagnostic log: lines kept until its folder is known, the stamp, rotation at
// the size limit, and a folder that cannot be written.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>

#include "platform/log.h"
#include "tests/support/temp_folder.h"

namespace {

TEST(Log, KeepsEarlyLinesRotatesAtTheLimitAndSkipsWhatCannotBeWritten) {
    testsupport::TempFolder folder;
    const auto log = folder.Path() / L"norvelassist.log";
    platform::SetLogFolder(L"");
    platform::Log(L"prima riga, è presto");
    EXPECT_FALSE(std::filesystem::exists(log));
    platform::SetLogFolder(folder.Path().wstring());
    EXPECT_EQ(log.wstring(), platform::LogPath());
    platform::FlushLog();
    const std::regex stamped(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} prima riga, \xC3\xA8 presto\r\n)");
    EXPECT_TRUE(std::regex_match(testsupport::ReadWholeFile(log), stamped)) << testsupport::ReadWholeFile(log);

    const std::wstring line(1000, L'x');  // 1026 bytes a line with its stamp
    for (int i = 0; i < 600; ++i) platform::Log(line);
    platform::FlushLog();
    const auto size = [](const std::filesystem::path& p) { return std::filesystem::file_size(p); };
    EXPECT_LE(size(log), platform::kLogLimitBytes);
    EXPECT_LE(size(log.wstring() + L".1"), platform::kLogLimitBytes);
    EXPECT_GT(size(log) + size(log.wstring() + L".1"), platform::kLogLimitBytes);
    EXPECT_EQ(2, std::distance(std::filesystem::directory_iterator(folder.Path()), {}));

    platform::SetLogFolder((folder.Path() / L"assente").wstring());
    platform::Log(L"nessun posto");  // skipped, silently
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / L"assente"));
    platform::SetLogFolder(L"");
}

}  // namespace

namespace {

// Text from outside (a configured name, a server's answer) cannot end a line of the
// log or turn it around: hidden characters are written as \uXXXX.
TEST(Log, HiddenCharactersAreWrittenEscaped) {
    const struct {
        std::wstring text, logged;
    } cases[] = {
        {L"C:\\Norvelassist\\tool è.exe", L"C:\\Norvelassist\\tool è.exe"},
        {L"a\r\n2026-12-09 00:00:00.000 falso", L"a\\u000D\\u000A2026-12-09 00:00:00.000 falso"},
        {L"tab\tnul", L"tab\\u0009nul"},
        {L"evil\u202Egpj.exe", L"evil\\u202Egpj.exe"},
        {L"x\u2028y\u0085z", L"x\\u2028y\\u0085z"},
        {L"\uFEFFbom\u200B", L"\\uFEFFbom\\u200B"},
        {L"iso\u2066lato\u2069", L"iso\\u2066lato\\u2069"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.logged, platform::EscapedForLog(c.text));

    testsupport::TempFolder folder;
    platform::SetLogFolder(folder.Path().wstring());
    platform::Log(L"riga\r\nfalsa");
    platform::FlushLog();
    const std::string written = testsupport::ReadWholeFile(folder.Path() / L"norvelassist.log");
    EXPECT_EQ(1, std::count(written.begin(), written.end(), '\n'));
    EXPECT_NE(std::string::npos, written.find("riga\\u000D\\u000Afalsa"));
    platform::SetLogFolder(L"");
}

}  // namespace
