// The folder test on real folders and the HEAD probe against the loopback server.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "services/folder.h"
#include "services/probe.h"
#include "tests/support/http_server.h"
#include "tests/support/scoped_deadlines.h"
#include "tests/support/temp_folder.h"

namespace {

using testsupport::HttpResponse;
using testsupport::HttpServer;
using testsupport::TempFolder;

TEST(DirExists, SameAnswerWithAndWithoutTrailingBackslash) {
    TempFolder folder;
    const std::wstring path = folder.Path().wstring();
    EXPECT_TRUE(services::DirExists(path));
    EXPECT_TRUE(services::DirExists(path + L"\\"));
    EXPECT_FALSE(services::DirExists(path + L"\\missing"));
    EXPECT_FALSE(services::DirExists(path + L"\\missing\\"));
}

TEST(DirExists, EmptySubFolderIsTrueAndAFileIsFalse) {
    TempFolder folder;
    std::filesystem::create_directory(folder.Path() / L"empty");
    testsupport::WriteWholeFile(folder.Path() / L"file.txt", "x");
    EXPECT_TRUE(services::DirExists(folder.File(L"empty")));
    EXPECT_FALSE(services::DirExists(folder.File(L"file.txt")));
    EXPECT_FALSE(services::DirExists(folder.File(L"file.txt") + L"\\"));
}

TEST(DirExists, FolderOutsideTheAnsiCodePage) {
    TempFolder folder(L"Ωμέγα-测试");
    EXPECT_TRUE(services::DirExists(folder.Path().wstring()));
    EXPECT_FALSE(services::DirExists(folder.File(L"Ωμέγα-assente")));
}

TEST(DirExists, InvalidPathsAreFalse) {
    EXPECT_FALSE(services::DirExists(L"Q:\\no\\such\\drive"));
    EXPECT_FALSE(services::DirExists(L"C:\\bad<name>"));
}

TEST(HttpExists, Status200IsTrueAndOtherStatusesFalse) {
    HttpServer server;
    server.Serve("/cms/a.ini", std::string("x"));
    server.Serve("/cms/404.ini", HttpResponse::HeadStatus(404, "GET would answer"));
    server.Serve("/cms/500.ini", HttpResponse::HeadStatus(500, "GET would answer"));
    std::wstring url = server.Url("/cms/a.ini");
    EXPECT_TRUE(services::HttpExists(url));
    url = server.Url("/cms/404.ini");
    EXPECT_FALSE(services::HttpExists(url));
    url = server.Url("/cms/500.ini");
    EXPECT_FALSE(services::HttpExists(url));
    url = server.Url("/cms/missing.ini");
    EXPECT_FALSE(services::HttpExists(url));
    EXPECT_EQ(server.CountRequests("HEAD", "/cms/a.ini"), 1);
    EXPECT_EQ(server.CountRequests("HEAD", "/cms/404.ini"), 1);
    EXPECT_EQ(server.CountRequests("GET", "/cms/404.ini"), 0);
}

TEST(HttpExists, BareHostAndPathGetsHttpInFront) {
    HttpServer server;
    server.Serve("/cms/a.ini", std::string("x"));
    std::wstring url = server.HostAndPort() + L"/cms/a.ini";
    EXPECT_TRUE(services::HttpExists(url));
    EXPECT_EQ(url, L"http://" + server.HostAndPort() + L"/cms/a.ini");
    EXPECT_EQ(server.CountRequests("HEAD", "/cms/a.ini"), 1);
}

TEST(HttpExists, HttpColonInAnyCaseGetsNothing) {
    HttpServer server;
    server.Serve("/a", std::string("x"));
    for (const std::wstring scheme : {L"http:", L"HTTP:", L"Http:", L"hTtP:"}) {
        std::wstring url = scheme + L"//" + server.HostAndPort() + L"/a";
        const std::wstring before = url;
        EXPECT_TRUE(services::HttpExists(url)) << url;
        EXPECT_EQ(url, before);
    }
}

// An https URL is probed as it is (at a port where nothing listens any more).
TEST(HttpExists, HttpsColonInAnyCaseGetsNothing) {
    std::wstring hostAndPort;
    {
        HttpServer gone;
        hostAndPort = gone.HostAndPort();
    }
    for (const std::wstring scheme : {L"https:", L"HTTPS:", L"hTtPs:"}) {
        std::wstring url = scheme + L"//" + hostAndPort + L"/a";
        const std::wstring before = url;
        EXPECT_FALSE(services::HttpExists(url));
        EXPECT_EQ(url, before);
    }
}

TEST(HttpExists, RefusedConnectionIsFalse) {
    std::wstring url;
    {
        HttpServer gone;
        url = gone.Url("/a");
    }
    EXPECT_FALSE(services::HttpExists(url));
}

TEST(HttpExists, BackslashBeforeTheFileNameIsSentAsSlash) {
    HttpServer server;
    server.Serve("/cms/images/stories/assistenza/norvelassist.ini", std::string("x"));
    std::wstring url = server.Url("/cms/images/stories/assistenza/") + L"\\norvelassist.ini";
    EXPECT_TRUE(services::HttpExists(url));
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].method, "HEAD");
    EXPECT_EQ(requests[0].path, "/cms/images/stories/assistenza//norvelassist.ini");
}

TEST(HttpExists, SilentServerCostsAtMostTheTimeout) {
    testsupport::ScopedDeadlines shorter({1000, 1000});
    HttpServer server;
    server.Serve("/a", HttpResponse::Silent());
    std::wstring url = server.Url("/a");
    const ULONGLONG start = ::GetTickCount64();
    EXPECT_FALSE(services::HttpExists(url));
    EXPECT_LT(::GetTickCount64() - start, 10000u);
}

}  // namespace
