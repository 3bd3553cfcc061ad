// The test server itself, checked with a raw socket client so that every fault
// mode is seen byte for byte as a client sees it.
#include <winsock2.h>

#include <gtest/gtest.h>

#include "tests/support/http_server.h"
#include "tests/support/temp_folder.h"

namespace {

using testsupport::HttpResponse;
using testsupport::HttpServer;

// Sends `request` and returns everything received until the server closes the
// connection or `quietMs` pass without data.
std::string Exchange(const HttpServer& server, const std::string& request, int quietMs = 2000) {
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = htons(server.Port());
    EXPECT_EQ(connect(s, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)), 0);
    DWORD timeout = static_cast<DWORD>(quietMs);
    setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout), sizeof(timeout));
    send(s, request.data(), static_cast<int>(request.size()), 0);
    std::string got;
    char buf[4096];
    int n;
    while ((n = recv(s, buf, sizeof(buf), 0)) > 0) got.append(buf, n);
    closesocket(s);
    return got;
}

std::string Get(const HttpServer& server, const std::string& path, const std::string& method = "GET") {
    return Exchange(server, method + " " + path + " HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n");
}

std::string BodyOf(const std::string& response) { return response.substr(response.find("\r\n\r\n") + 4); }

TEST(HttpServer, ServesRegisteredBodiesWithLengthAndLogsRequests) {
    HttpServer server;
    server.Serve("/a/b.txt", std::string("hello"));
    const std::string r = Get(server, "/a/b.txt");
    EXPECT_EQ(r.rfind("HTTP/1.1 200 OK\r\n", 0), 0u) << r;
    EXPECT_NE(r.find("Content-Length: 5\r\n"), std::string::npos);
    EXPECT_EQ(BodyOf(r), "hello");
    EXPECT_EQ(Get(server, "/missing").rfind("HTTP/1.1 404", 0), 0u);
    EXPECT_EQ(BodyOf(Get(server, "/a//b.txt")), "hello");
    EXPECT_EQ(server.CountRequests("GET", "/a/b.txt"), 1);
    EXPECT_EQ(server.CountRequests("GET", "/a//b.txt"), 1);
    EXPECT_EQ(server.CountRequests(), 3);
    server.ClearRequests();
    EXPECT_EQ(server.CountRequests(), 0);
}

TEST(HttpServer, StatusPerMethod) {
    HttpServer server;
    server.Serve("/f", HttpResponse::HeadStatus(500, "body"));
    const std::string head = Get(server, "/f", "HEAD");
    EXPECT_EQ(head.rfind("HTTP/1.1 500", 0), 0u);
    EXPECT_EQ(BodyOf(head), "");
    EXPECT_EQ(Get(server, "/f").rfind("HTTP/1.1 200", 0), 0u);
}

TEST(HttpServer, FaultModes) {
    HttpServer server;
    server.Serve("/chunked", HttpResponse::Chunked("abcdef"));
    server.Serve("/short", HttpResponse::ShortBody("abc", 10));
    server.Serve("/long", HttpResponse::LongBody("abcdefgh", 4));
    server.Serve("/trickle", HttpResponse::Trickle("abcd", 1, 5));
    server.Serve("/silent", HttpResponse::Silent());

    const std::string chunked = Get(server, "/chunked");
    EXPECT_EQ(chunked.find("Content-Length"), std::string::npos);
    EXPECT_NE(chunked.find("Transfer-Encoding: chunked"), std::string::npos);
    EXPECT_EQ(BodyOf(chunked), "6\r\nabcdef\r\n0\r\n\r\n");

    const std::string shortBody = Get(server, "/short");
    EXPECT_NE(shortBody.find("Content-Length: 10\r\n"), std::string::npos);
    EXPECT_EQ(BodyOf(shortBody), "abc");

    const std::string longBody = Get(server, "/long");
    EXPECT_NE(longBody.find("Content-Length: 4\r\n"), std::string::npos);
    EXPECT_EQ(BodyOf(longBody), "abcdefgh");

    EXPECT_EQ(BodyOf(Get(server, "/trickle")), "abcd");
    EXPECT_EQ(Exchange(server, "GET /silent HTTP/1.1\r\nHost: x\r\n\r\n", 300), "");
    EXPECT_EQ(server.CountRequests("GET", "/silent"), 1);
}

TEST(HttpServer, SequencesAndGeneratedBodies) {
    HttpServer server;
    HttpResponse big;
    big.generatedSize = 70000;
    server.ServeSequence("/s", {HttpResponse::HeadStatus(404), big});
    EXPECT_EQ(Get(server, "/s", "HEAD").rfind("HTTP/1.1 404", 0), 0u);
    EXPECT_EQ(BodyOf(Get(server, "/s")), testsupport::PatternBytes(0, 70000));
    EXPECT_EQ(BodyOf(Get(server, "/s")), testsupport::PatternBytes(0, 70000));
}

TEST(HttpServer, ServesFilesOfAFolder) {
    testsupport::TempFolder folder;
    testsupport::WriteWholeFile(folder.Path() / L"tool.exe", "MZ\x01\x02");
    HttpServer server;
    server.ServeFolder("/cms/", folder.Path());
    EXPECT_EQ(BodyOf(Get(server, "/cms/tool.exe")), std::string("MZ\x01\x02"));
    EXPECT_EQ(BodyOf(Get(server, "/cms//tool.exe")), std::string("MZ\x01\x02"));
    EXPECT_EQ(Get(server, "/cms/other.exe").rfind("HTTP/1.1 404", 0), 0u);
    EXPECT_EQ(Get(server, "/other/tool.exe").rfind("HTTP/1.1 404", 0), 0u);
}

TEST(HttpServer, KeepsConnectionsAliveForSeveralRequests) {
    HttpServer server;
    server.Serve("/k", std::string("xy"));
    const std::string both = Exchange(server,
                                      "GET /k HTTP/1.1\r\nHost: x\r\n\r\nGET /k HTTP/1.1\r\nHost: x\r\nConnection: "
                                      "close\r\n\r\n");
    EXPECT_EQ(server.CountRequests("GET", "/k"), 2);
    EXPECT_NE(both.find("xyHTTP/1.1 200 OK"), std::string::npos);
}

}  // namespace

namespace {

TEST(HttpServer, StopsWhileAClientNeitherReadsNorCloses) {
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    {
        testsupport::HttpServer server;
        testsupport::HttpResponse big;
        big.generatedSize = 64 << 20;
        server.Serve("/big", big);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        addr.sin_port = htons(server.Port());
        ASSERT_EQ(connect(s, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)), 0);
        const std::string request = "GET /big HTTP/1.1\r\nHost: x\r\n\r\n";
        send(s, request.data(), static_cast<int>(request.size()), 0);
        while (server.CountRequests() == 0) ::Sleep(10);
    }  // the server's destructor must return although its send() cannot finish
    closesocket(s);
}

}  // namespace
