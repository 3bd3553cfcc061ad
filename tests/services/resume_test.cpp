// Conditional requests and resumed transfers of the download engine, against the
// loopback test server taught validators, Range and If-Range.
#include <gtest/gtest.h>

#include <filesystem>

#include "services/copy_validators.h"
#include "services/download.h"
#include "services/sha256.h"
#include "tests/services/progress_recorder.h"
#include "tests/support/http_server.h"
#include "tests/support/temp_folder.h"

namespace {

using services::DownloadResult;
using testsupport::HttpResponse;
using testsupport::ReadWholeFile;
using testsupport::WriteWholeFile;

// The SHA-256 of `bytes` as hex digits.
std::wstring Sha256Of(const std::string& bytes) {
    services::Sha256 hash;
    hash.Add(bytes.data(), bytes.size());
    return hash.HexDigest();
}

TEST(ContinuesAt, OnlyTheRestOfTheSameLengthFromTheOffsetAsked) {
    struct Case {
        const wchar_t* range;
        std::int64_t offset, length;
        bool continues;
    } cases[] = {
        {L"bytes 100-999/1000", 100, 1000, true},
        {L"bytes 65536-3000000000/3000000001", 65536, 3000000001LL, true},
        {L"bytes 99-999/1000", 100, 1000, false},     // starts elsewhere
        {L"bytes 100-998/1000", 100, 1000, false},    // stops before the end
        {L"bytes 100-1999/2000", 100, 1000, false},   // another length: another file
        {L"bytes 100-999/*", 100, 1000, false},
        {L"bytes 100-999/1000 ", 100, 1000, false},
        {L"Bytes 100-999/1000", 100, 1000, false},
        {L"bytes -999/1000", 100, 1000, false},
        {L"bytes 100-999/10000000000000000000000", 100, 1000, false},
        {L"", 100, 1000, false},
    };
    for (const Case& c : cases) EXPECT_EQ(services::ContinuesAt(c.range, c.offset, c.length), c.continues) << c.range;
}

// A 200 KiB tool with validators; a transfer cut at 40 % of it.
class Resume : public ::testing::Test {
protected:
    static constexpr std::int64_t kSize = 200 * 1024;
    static constexpr std::int64_t kCut = kSize * 2 / 5;
    testsupport::HttpServer server;
    testsupport::TempFolder folder;
    ProgressRecorder progress;
    const std::string body = testsupport::PatternBytes(0, kSize);

    HttpResponse Tool(std::string etag, std::int64_t cutAfter = -1) const {
        HttpResponse r;
        r.generatedSize = kSize;
        r.etag = std::move(etag);
        r.lastModified = "Tue, 08 Dec 2026 10:00:00 GMT";
        r.cutAfter = cutAfter;
        return r;
    }
    services::Downloaded Fetch(const services::DownloadChecks& checks = {}) {
        return services::FetchFile(server.Url("/t.exe"), Target(), &progress, checks);
    }
    std::wstring Target() const { return folder.File(L"t.exe"); }
    std::string TargetBytes() const { return ReadWholeFile(folder.Path() / L"t.exe"); }
    int Gets() const { return server.CountRequests("GET", "/t.exe"); }
    std::string HeadersOfGet(int i) const { return server.Requests().at(i).headers; }
    std::size_t FilesLeft() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder.Path()), {}));
    }
};

TEST_F(Resume, ACutAtFortyPercentGoesOnFromWhereItBrokeAndTheBarContinues) {
    server.ServeSequence("/t.exe", {Tool("\"v1\"", kCut), Tool("\"v1\"")});
    services::DownloadChecks pinned;  // the pin covers the bytes of both requests
    pinned.sha256Pin = Sha256Of(body);
    const services::Downloaded got = Fetch(pinned);
    EXPECT_EQ(got.result, DownloadResult::Replaced);
    EXPECT_EQ(got.validators.etag, L"\"v1\"");
    EXPECT_EQ(TargetBytes(), body);
    ASSERT_EQ(Gets(), 2);
    EXPECT_NE(HeadersOfGet(1).find("Range: bytes=" + std::to_string(kCut) + "-"), std::string::npos);
    EXPECT_NE(HeadersOfGet(1).find("If-Range: \"v1\""), std::string::npos);
    // Totals only grow, past the cut without starting over, to 100 %.
    for (std::size_t i = 1; i < progress.updates.size(); ++i)
        EXPECT_GE(progress.updates[i].bytes, progress.updates[i - 1].bytes);
    EXPECT_EQ(progress.updates.back().bytes, kSize);
    EXPECT_EQ(progress.updates.back().percent, 100);
    EXPECT_EQ(FilesLeft(), 1u);
}

// What the transfer's answers are decides the file: a changed file or a range
// ignored come whole; three cuts in a row, a faulty 206 or a refused resume fail
// and leave the old copy; a cut under 64 KiB or without validators is not resumed.
TEST_F(Resume, WhatTheResumeIsAnsweredDecidesTheFile) {
    HttpResponse changed = HttpResponse::Trickle(std::string(kSize, 'N'), 64 * 1024, 0);
    changed.etag = "\"v2\"";  // If-Range names the old version: 200
    HttpResponse ignores = Tool("");
    ignores.ignoresRange = true;
    HttpResponse shifted = Tool("\"v1\"");
    shifted.rangeShift = -1000;  // a 206 from elsewhere than asked
    HttpResponse otherVersion = Tool("\"v2\"");
    otherVersion.ignoresIfRange = true;  // a 206 of another version
    HttpResponse refused = Tool("\"v1\"");
    refused.status = 503;
    HttpResponse unvalidated = Tool("", kCut);
    unvalidated.lastModified.clear();
    const std::string old = "old copy";
    const struct {
        const char* what;
        std::vector<HttpResponse> answers;  // the last one for every later request
        int gets;
        std::string bytes;
        std::string ifRange;  // of the second request
    } cases[] = {
        {"changed", {Tool("\"v1\"", kCut), changed}, 2, std::string(kSize, 'N'), "\"v1\""},
        {"range ignored", {Tool("", kCut), ignores}, 2, body, "Tue, 08 Dec 2026 10:00:00 GMT"},
        {"three cuts", {Tool("\"v1\"", kCut), Tool("\"v1\"", 1000)}, 4, old, "\"v1\""},
        {"206 elsewhere", {Tool("\"v1\"", kCut), shifted}, 2, old, "\"v1\""},
        {"206 of another version", {Tool("\"v1\"", kCut), otherVersion}, 2, old, "\"v1\""},
        {"resume refused", {Tool("\"v1\"", kCut), refused}, 2, old, "\"v1\""},
        {"under 64 KiB", {Tool("\"v1\"", 60 * 1024)}, 1, old, ""},
        {"no validators", {unvalidated}, 1, old, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteWholeFile(folder.Path() / L"t.exe", old);
        server.ClearRequests();
        server.ServeSequence("/t.exe", c.answers);
        EXPECT_EQ(Fetch().result, c.bytes == old ? DownloadResult::Failed : DownloadResult::Replaced);
        EXPECT_EQ(Gets(), c.gets);
        EXPECT_EQ(TargetBytes(), c.bytes);
        if (!c.ifRange.empty()) {
            EXPECT_NE(HeadersOfGet(1).find("If-Range: " + c.ifRange), std::string::npos);
        }
        EXPECT_EQ(FilesLeft(), 1u);
    }
}

TEST_F(Resume, AConditionalRequestAnsweredNotModifiedKeepsTheCopy) {
    WriteWholeFile(folder.Path() / L"t.exe", "kept copy");
    server.Serve("/t.exe", Tool("\"v1\""));
    services::DownloadChecks conditional;
    conditional.ifChanged = {L"\"v1\"", L""};
    EXPECT_EQ(Fetch(conditional).result, DownloadResult::Unchanged);
    EXPECT_NE(HeadersOfGet(0).find("If-None-Match: \"v1\""), std::string::npos);
    conditional.ifChanged = {L"", L"Tue, 08 Dec 2026 10:00:00 GMT"};
    EXPECT_EQ(Fetch(conditional).result, DownloadResult::Unchanged);
    EXPECT_EQ(TargetBytes(), "kept copy");
    EXPECT_TRUE(progress.updates.empty());

    // A value that would end the header line is never sent.
    conditional.ifChanged = {L"\"v1\"\r\nX-Injected: 1", L""};
    EXPECT_EQ(Fetch(conditional).result, DownloadResult::Replaced);
    EXPECT_EQ(HeadersOfGet(2).find("X-Injected"), std::string::npos);
    EXPECT_EQ(TargetBytes(), body);
    // A 304 to a request that asked for none is no answer.
    HttpResponse unasked;
    unasked.status = 304;
    server.Serve("/t.exe", unasked);
    EXPECT_EQ(Fetch().result, DownloadResult::NotAnswered);
    EXPECT_EQ(TargetBytes(), body);
    EXPECT_EQ(FilesLeft(), 1u);
}

TEST(CopyValidators, KeptForTheCopyTheyDescribeOnly) {
    testsupport::TempFolder folder;
    const std::wstring copy = folder.File(L"norvelassist.ini");
    WriteWholeFile(copy, "[1]\r\nnome=x\r\n");
    services::KeepCopyValidators(copy, {L"\"abc\"", L"Tue, 08 Dec 2026 10:00:00 GMT"});
    const services::Validators read = services::ReadCopyValidators(copy);
    EXPECT_EQ(read.etag, L"\"abc\"");
    EXPECT_EQ(read.lastModified, L"Tue, 08 Dec 2026 10:00:00 GMT");
    EXPECT_TRUE(std::filesystem::exists(copy + L".validatori"));

    WriteWholeFile(copy, "[1]\r\nnome=y\r\n");  // the copy changed since
    EXPECT_TRUE(services::ReadCopyValidators(copy).Empty());
    const std::wstring hex = Sha256Of(ReadWholeFile(copy));
    const std::string digest(hex.begin(), hex.end());
    for (const std::string& kept : {"etag=\"a\"\r\nX: 1\nlast-modified=\nsha256=" + digest + "\n",
                                    "last-modified=x\netag=\"a\"\nsha256=" + digest + "\n",
                                    "etag=\nlast-modified=\nsha256=" + digest + "\n"}) {
        WriteWholeFile(copy + L".validatori", kept);
        EXPECT_TRUE(services::ReadCopyValidators(copy).Empty()) << kept;
    }
    WriteWholeFile(copy + L".validatori", "etag=\"a\"\nlast-modified=\nsha256=" + digest + "\n");
    EXPECT_EQ(services::ReadCopyValidators(copy).etag, L"\"a\"");
    services::KeepCopyValidators(copy, {});
    EXPECT_FALSE(std::filesystem::exists(copy + L".validatori"));
}

}  // namespace
