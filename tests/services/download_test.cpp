// The download engine against the loopback test server: progress, the
// create-or-replace rules and every way a transfer can go wrong.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <set>

#include "platform/handles.h"
#include "services/download.h"
#include "services/http_request.h"
#include "tests/services/progress_recorder.h"
#include "tests/support/http_server.h"
#include "tests/support/scoped_deadlines.h"
#include "tests/support/temp_folder.h"

namespace {

using testsupport::HttpResponse;
using testsupport::HttpServer;
using testsupport::ReadWholeFile;
using testsupport::TempFolder;
using testsupport::WriteWholeFile;

HttpResponse Body(std::string body) {
    HttpResponse r;
    r.body = std::move(body);
    return r;
}

std::set<std::wstring> FileNames(const std::filesystem::path& folder) {
    std::set<std::wstring> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) names.insert(e.path().filename().wstring());
    return names;
}

// Percentage by the rule: total / length x 100 in double precision, then the
// nearest whole number, an exact half going to the even neighbour. (In double,
// 109 / 200 x 100 is a little above 54.5 and so gives 55.)
int ExpectedPercent(long long total, long long length) {
    const double x = static_cast<double>(total) / static_cast<double>(length) * 100.0;
    const double whole = std::floor(x);
    const double fraction = x - whole;
    long long n = static_cast<long long>(whole);
    if (fraction > 0.5 || (fraction == 0.5 && n % 2 != 0)) ++n;
    return static_cast<int>(n);
}

class Download : public ::testing::Test {
protected:
    HttpServer server;
    TempFolder folder;
    ProgressRecorder progress;
    std::wstring Target() const { return folder.File(L"tool.exe"); }
    std::string TargetBytes() const { return ReadWholeFile(folder.Path() / L"tool.exe"); }
    bool TargetExists() const { return std::filesystem::exists(folder.Path() / L"tool.exe"); }
    void Run(const std::string& path) { services::DownloadFile(server.Url(path), Target(), &progress); }
    // Only the target (or nothing) may be left in the folder: no temporary file.
    void ExpectOnlyTargetLeft(bool targetThere) {
        std::set<std::wstring> expected;
        if (targetThere) expected.insert(L"tool.exe");
        EXPECT_EQ(FileNames(folder.Path()), expected);
    }
};

TEST_F(Download, TenThousandBytesArriveInFourKilobyteReads) {
    const std::string body = testsupport::PatternBytes(0, 10000);
    server.Serve("/f/tool.exe", body);
    Run("/f/tool.exe");
    // Every read is reported, the last one (of 0 bytes) included.
    EXPECT_EQ(progress.Percents(), (std::vector<int>{41, 82, 100, 100}));
    EXPECT_EQ(progress.Bytes(), (std::vector<std::int64_t>{4096, 8192, 10000, 10000}));
    EXPECT_EQ(TargetBytes(), body);
    ExpectOnlyTargetLeft(true);
}

TEST_F(Download, EachDownloadIsOneFreshGetThatSizesItself) {
    server.Serve("/f/tool.exe", std::string(100, 'a'));
    Run("/f/tool.exe");
    Run("/f/tool.exe");
    EXPECT_EQ(server.CountRequests("HEAD", "/f/tool.exe"), 0);
    EXPECT_EQ(server.CountRequests("GET", "/f/tool.exe"), 2);
    for (const auto& request : server.Requests()) EXPECT_EQ(request.headers.find("If-"), std::string::npos);
}

TEST(DownloadPercentage, RoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(services::DownloadPercentage(1, 200), 0);  // 0.5
    EXPECT_EQ(services::DownloadPercentage(3, 200), 2);  // 1.5
    EXPECT_EQ(services::DownloadPercentage(5, 200), 2);  // 2.5
    for (int n = 0; n <= 200; ++n) EXPECT_EQ(services::DownloadPercentage(n, 200), ExpectedPercent(n, 200)) << n;
    EXPECT_EQ(services::DownloadPercentage(4096, 10000), 41);
    EXPECT_EQ(services::DownloadPercentage(8192, 10000), 82);
    EXPECT_EQ(services::DownloadPercentage(20, 10), 200);  // not capped
}

TEST(DownloadPercentage, SixtyFourBitCounts) {
    const long long length = 3'000'000'000LL;
    EXPECT_EQ(services::DownloadPercentage(2'147'483'648LL, length), ExpectedPercent(2'147'483'648LL, length));
    EXPECT_EQ(services::DownloadPercentage(length, length), 100);
    EXPECT_EQ(services::DownloadPercentage(0, 0), 100);
}

TEST_F(Download, TrickledBodyArrivesWhole) {
    const std::string body = testsupport::PatternBytes(0, 9000);
    server.Serve("/f/tool.exe", HttpResponse::Trickle(body, 1000, 20));
    Run("/f/tool.exe");
    EXPECT_EQ(TargetBytes(), body);
    ASSERT_FALSE(progress.updates.empty());
    EXPECT_EQ(progress.updates.back().percent, 100);
}

TEST_F(Download, NoContentLengthTouchesNothing) {
    server.Serve("/f/tool.exe", HttpResponse::Chunked("new contents"));
    Run("/f/tool.exe");
    EXPECT_FALSE(TargetExists());
    WriteWholeFile(folder.Path() / L"tool.exe", "old contents");
    Run("/f/tool.exe");
    EXPECT_EQ(TargetBytes(), "old contents");
    EXPECT_TRUE(progress.updates.empty());  // not a byte written
    EXPECT_EQ(server.CountRequests("GET", "/f/tool.exe"), 2);
    ExpectOnlyTargetLeft(true);
}

TEST_F(Download, TargetOpenElsewhereWithoutSharingIsNotWritten) {
    WriteWholeFile(folder.Path() / L"tool.exe", "running copy");
    server.Serve("/f/tool.exe", std::string("new tool"));
    {
        platform::File other(::CreateFileW(Target().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(other);
        Run("/f/tool.exe");
    }
    EXPECT_EQ(TargetBytes(), "running copy");
    EXPECT_TRUE(progress.updates.empty());
    EXPECT_EQ(server.CountRequests("GET", "/f/tool.exe"), 0);
    ExpectOnlyTargetLeft(true);
}

TEST_F(Download, ExistingLongerFileIsReplacedWhole) {
    WriteWholeFile(folder.Path() / L"tool.exe", std::string(50000, 'o'));
    server.Serve("/f/tool.exe", std::string("short new file"));
    Run("/f/tool.exe");
    EXPECT_EQ(TargetBytes(), "short new file");
    ExpectOnlyTargetLeft(true);
}

TEST_F(Download, ShortBodyLeavesTheOldFileAndNoTemporaryFile) {
    const std::string body = testsupport::PatternBytes(0, 10000);
    server.Serve("/f/tool.exe", HttpResponse::ShortBody(body.substr(0, 6000), 10000));
    Run("/f/tool.exe");
    EXPECT_FALSE(TargetExists());  // absent stays absent
    ExpectOnlyTargetLeft(false);

    WriteWholeFile(folder.Path() / L"tool.exe", "good old tool");
    Run("/f/tool.exe");
    EXPECT_EQ(TargetBytes(), "good old tool");
    ExpectOnlyTargetLeft(true);
}

TEST_F(Download, BodyLongerThanItsHeaderEndsAtTheAnnouncedLength) {
    const std::string body = testsupport::PatternBytes(0, 12000);
    server.Serve("/f/tool.exe", HttpResponse::LongBody(body, 10000));
    Run("/f/tool.exe");
    EXPECT_EQ(TargetBytes(), body.substr(0, 10000));
}

TEST_F(Download, ErrorStatusOfTheTransferIsNotSaved) {
    HttpResponse error = Body(std::string(300, 'E'));
    error.status = 500;
    server.Serve("/f/tool.exe", error);
    WriteWholeFile(folder.Path() / L"tool.exe", "good old tool");
    Run("/f/tool.exe");
    EXPECT_EQ(TargetBytes(), "good old tool");
    ExpectOnlyTargetLeft(true);
}

TEST_F(Download, ZeroContentLengthCreatesAnEmptyFileAndShowsFullScale) {
    server.Serve("/f/empty.ini", std::string());
    services::DownloadFile(server.Url("/f/empty.ini"), folder.File(L"empty.ini"), &progress);
    ASSERT_TRUE(std::filesystem::exists(folder.Path() / L"empty.ini"));
    EXPECT_EQ(std::filesystem::file_size(folder.Path() / L"empty.ini"), 0u);
    ASSERT_FALSE(progress.updates.empty());
    EXPECT_EQ(progress.updates.back().percent, 100);

    WriteWholeFile(folder.Path() / L"tool.exe", "old");
    Run("/f/empty.ini");
    EXPECT_EQ(TargetBytes(), "");
}

// The Content-Length of a HEAD answer, -1 without one or without an answer.
std::int64_t HeadContentLength(const std::wstring& url) {
    services::HttpRequest request;
    return services::SendHttpRequest(L"HEAD", url, 0, request) ? services::ContentLengthHeader(request) : -1;
}

TEST_F(Download, ContentLengthOfAnswersAndFailuresBeyondThirtyTwoBits) {
    server.Serve("/big", HttpResponse::ShortBody("x", 3'000'000'000LL));
    EXPECT_EQ(HeadContentLength(server.Url("/big")), 3'000'000'000LL);
    server.Serve("/huge", HttpResponse::ShortBody("x", 5'000'000'123LL));
    EXPECT_EQ(HeadContentLength(server.Url("/huge")), 5'000'000'123LL);
    server.Serve("/ten", std::string(10, 'x'));
    EXPECT_EQ(HeadContentLength(server.Url("/ten")), 10);
    server.Serve("/chunked", HttpResponse::Chunked("abc"));
    EXPECT_EQ(HeadContentLength(server.Url("/chunked")), -1);
    EXPECT_EQ(HeadContentLength(L"not a url"), -1);
}

TEST_F(Download, RefusedConnectionTouchesNothing) {
    std::wstring url;
    {
        HttpServer gone;
        url = gone.Url("/f/tool.exe");
    }
    WriteWholeFile(folder.Path() / L"tool.exe", "good old tool");
    services::DownloadFile(url, Target(), &progress);
    EXPECT_EQ(TargetBytes(), "good old tool");
    ExpectOnlyTargetLeft(true);
}

TEST_F(Download, MissingFolderCreatesNothing) {
    server.Serve("/f/tool.exe", std::string("x"));
    services::DownloadFile(server.Url("/f/tool.exe"), folder.File(L"missing\\tool.exe"), &progress);
    EXPECT_TRUE(FileNames(folder.Path()).empty());
}

// A server that accepts and never answers, or stops sending, costs at most the
// time-out (shortened here to 1 s).
TEST_F(Download, SilentServerCostsAtMostTheTimeout) {
    testsupport::ScopedDeadlines shorter({1000, 1000});
    server.Serve("/silent", HttpResponse::Silent());
    ULONGLONG start = ::GetTickCount64();
    services::DownloadFile(server.Url("/silent"), Target(), &progress);
    EXPECT_LT(::GetTickCount64() - start, 10000u);
    EXPECT_FALSE(TargetExists());

    WriteWholeFile(folder.Path() / L"tool.exe", "good old tool");

    // Headers, then the body stalls for longer than the time-out.
    server.Serve("/stalls", HttpResponse::Trickle(std::string(8192, 'z'), 4096, 4000));
    start = ::GetTickCount64();
    Run("/stalls");
    EXPECT_LT(::GetTickCount64() - start, 10000u);
    EXPECT_EQ(TargetBytes(), "good old tool");
    ExpectOnlyTargetLeft(true);
}

// A bounded transfer (the configuration's) ends as soon as more than its limit has
// come, before it is written, and at its deadline however steadily bytes arrive.
TEST_F(Download, ABoundedTransferEndsAtItsLimitAndAtItsDeadline) {
    WriteWholeFile(folder.Path() / L"tool.exe", "good old tool");
    services::DownloadChecks bounded;
    bounded.boundWhole = true;
    bounded.maxBytes = 1 << 20;
    HttpResponse huge;
    huge.generatedSize = 64 << 20;
    server.Serve("/f/huge.ini", huge);
    EXPECT_FALSE(services::DownloadFile(server.Url("/f/huge.ini"), Target(), &progress, bounded));
    ASSERT_FALSE(progress.updates.empty());
    EXPECT_LE(progress.updates.back().bytes, 1 << 20);
    EXPECT_EQ(TargetBytes(), "good old tool");
    ExpectOnlyTargetLeft(true);

    // 1 KiB every 20 ms: never stalled, never 1 MiB within the deadline.
    testsupport::ScopedDeadlines shorter({1000, 1000});
    server.Serve("/f/endless.ini", HttpResponse::Trickle(std::string(2 << 20, 'e'), 1024, 20));
    const ULONGLONG start = ::GetTickCount64();
    EXPECT_FALSE(services::DownloadFile(server.Url("/f/endless.ini"), Target(), &progress, bounded));
    EXPECT_LT(::GetTickCount64() - start, 5000u);
    EXPECT_EQ(TargetBytes(), "good old tool");
    ExpectOnlyTargetLeft(true);
}

TEST_F(Download, ServerFileChangedBetweenDownloadsIsFetchedAnew) {
    server.Serve("/f/tool.exe", std::string(5000, '1'));
    Run("/f/tool.exe");
    EXPECT_EQ(TargetBytes(), std::string(5000, '1'));
    server.Serve("/f/tool.exe", std::string(3000, '2'));
    Run("/f/tool.exe");
    EXPECT_EQ(TargetBytes(), std::string(3000, '2'));
}

TEST_F(Download, BackslashBeforeTheFileNameIsSentAsSlash) {
    server.Serve("/cms/assistenza/norvelassist.ini", std::string("[1]\r\nnome=x\r\n"));
    services::DownloadFile(server.BaseUrl() + L"/cms/assistenza/\\norvelassist.ini", folder.File(L"norvelassist.ini"),
                           &progress);
    EXPECT_EQ(ReadWholeFile(folder.Path() / L"norvelassist.ini"), "[1]\r\nnome=x\r\n");
    for (const auto& r : server.Requests()) EXPECT_EQ(r.path.find('\\'), std::string::npos) << r.path;
}

TEST_F(Download, FolderOutsideTheAnsiCodePage) {
    TempFolder unicode(L"Ωμέγα-测试");
    server.Serve("/f/tool.exe", std::string("unicode path"));
    services::DownloadFile(server.Url("/f/tool.exe"), unicode.File(L"strumento-€Ω.exe"), &progress);
    EXPECT_EQ(ReadWholeFile(unicode.Path() / L"strumento-€Ω.exe"), "unicode path");
}

TEST_F(Download, WorksWithoutADisplay) {
    server.Serve("/f/tool.exe", std::string(5000, 'q'));
    services::DownloadFile(server.Url("/f/tool.exe"), Target(), nullptr);
    EXPECT_EQ(TargetBytes(), std::string(5000, 'q'));
}

}  // namespace

namespace {

// A sink that starts a second transfer of the same file from inside the first one's
// progress report, as a second launch of the same tool would.
class ReenteringDisplay : public services::ProgressSink {
public:
    ReenteringDisplay(std::wstring url, std::wstring target) : url_(std::move(url)), target_(std::move(target)) {}
    void OnProgress(std::int64_t, int) override {
        if (entered_) return;
        entered_ = true;
        services::DownloadFile(url_, target_, &inner);
    }
    ProgressRecorder inner;

private:
    std::wstring url_, target_;
    bool entered_ = false;
};

TEST_F(Download, SecondTransferOfTheSameFileDuringTheFirstLeavesOneWholeFile) {
    const std::string body = testsupport::PatternBytes(0, 20000);
    server.Serve("/f/tool.exe", body);
    {
        ReenteringDisplay display(server.Url("/f/tool.exe"), Target());
        services::DownloadFile(server.Url("/f/tool.exe"), Target(), &display);
        EXPECT_EQ(display.inner.updates.size(), 6u);  // the inner transfer ran whole
    }
    EXPECT_EQ(TargetBytes(), body);
    ExpectOnlyTargetLeft(true);

    // With the file already there, the outer transfer holds it and the inner one
    // leaves it alone.
    WriteWholeFile(folder.Path() / L"tool.exe", "old");
    ReenteringDisplay display(server.Url("/f/tool.exe"), Target());
    services::DownloadFile(server.Url("/f/tool.exe"), Target(), &display);
    EXPECT_TRUE(display.inner.updates.empty());
    EXPECT_EQ(TargetBytes(), body);
    ExpectOnlyTargetLeft(true);
}

}  // namespace
