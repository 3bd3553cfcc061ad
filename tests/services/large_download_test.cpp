// A transfer past 2 GiB: the running total and the percentage keep counting in
// 64 bits, and the file arrives whole.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "services/download.h"
#include "tests/services/progress_recorder.h"
#include "tests/support/http_server.h"
#include "tests/support/temp_folder.h"

namespace {

// Counts updates instead of keeping half a million of them.
class ProgressCheck : public services::ProgressSink {
public:
    void OnProgress(std::int64_t bytes, int percent) override {
        if (percent < last || bytes < lastBytes) ++wrong;
        last = percent;
        lastBytes = bytes;
        ++count;
    }
    int last = 0;
    std::int64_t lastBytes = 0;
    long long count = 0;
    long long wrong = 0;
};

std::string BytesAt(const std::filesystem::path& file, std::int64_t offset, std::size_t n) {
    std::ifstream in(file, std::ios::binary);
    in.seekg(offset);
    std::string data(n, '\0');
    in.read(data.data(), static_cast<std::streamsize>(n));
    data.resize(static_cast<std::size_t>(in.gcount()));
    return data;
}

TEST(LargeDownload, PastTwoGibibytes) {
    const std::int64_t size = (1LL << 31) + 3 * 4096 + 123;
    testsupport::HttpServer server;
    testsupport::HttpResponse big;
    big.generatedSize = size;
    server.Serve("/big.bin", big);
    testsupport::TempFolder folder;
    const auto target = folder.Path() / L"big.bin";

    ProgressCheck progress;
    services::DownloadFile(server.Url("/big.bin"), target.wstring(), &progress);

    ASSERT_TRUE(std::filesystem::exists(target));
    EXPECT_EQ(static_cast<std::int64_t>(std::filesystem::file_size(target)), size);
    EXPECT_EQ(progress.wrong, 0);
    EXPECT_EQ(progress.last, 100);
    EXPECT_EQ(progress.lastBytes, size);
    EXPECT_EQ(progress.count, (size + 4095) / 4096 + 1);  // every chunk, then the read of 0 bytes
    for (const std::int64_t at : {0LL, (1LL << 31) - 5000, (1LL << 31) - 1, size - 4000}) {
        const std::size_t n = static_cast<std::size_t>(std::min<std::int64_t>(8192, size - at));
        EXPECT_EQ(BytesAt(target, at, n), testsupport::PatternBytes(at, n)) << "at " << at;
    }
}

}  // namespace
