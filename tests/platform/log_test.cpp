// The diagnostic log: lines kept until its folder is known, the stamp, rotation at
// the size limit, and a folder that cannot be written.
#include <gtest/gtest.h>

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
