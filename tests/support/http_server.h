// A small HTTP/1.1 server for tests: it runs on a background thread of the test
// program, listens on 127.0.0.1 on a free port and answers GET and HEAD from
// registered responses or from the files of a folder, with conditional and range
// requests. A request in the absolute
// form a client sends to a proxy ("GET http://host:port/path") is answered as the
// origin would answer it, so the server can stand as the proxy of a test too. Responses can misbehave on
// purpose (status per method, no Content-Length, short or long body, trickle,
// silence) and every request is logged so tests can count what arrived.
//
//   testsupport::HttpServer server;
//   server.Serve("/a/file.bin", std::string(10000, 'x'));
//   std::wstring url = server.Url("/a/file.bin");   // http://127.0.0.1:PORT/a/file.bin
//   ...
//   EXPECT_EQ(server.CountRequests("GET", "/a/file.bin"), 2);
#pragma once

#include <winsock2.h>

#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace testsupport {

// One answer the server gives for a path.
struct HttpResponse {
    int status = 200;                   // status of a GET
    std::optional<int> headStatus;      // status of a HEAD (default: the GET status)
    std::string body;                   // sent for GET; HEAD gets the headers only
    std::int64_t generatedSize = -1;    // >= 0: the body is PatternByte(0..generatedSize-1) instead of `body`
    std::optional<std::int64_t> contentLength;  // announced length (default: the real body length)
    bool chunked = false;               // Transfer-Encoding: chunked, no Content-Length
    bool noLength = false;              // neither Content-Length nor chunked: the body ends with the connection
    bool closeAfter = false;            // close the connection after this response
    std::size_t trickleBytes = 0;       // > 0: send the body in pieces of this size...
    int tricklePauseMs = 0;             // ...with this pause before each piece
    bool silent = false;                // read the request and never answer (until the client goes)
    std::vector<std::string> extraHeaders;  // whole header lines without CRLF, e.g. "Content-Type: text/plain"
    // Validators, sent when not empty. A GET whose If-None-Match is the ETag, or whose
    // If-Modified-Since is the Last-Modified, is answered 304 without a body.
    std::string etag;
    std::string lastModified;
    // A GET with "Range: bytes=N-" is answered 206 with the bytes from N (416 past the
    // end) unless its If-Range names another version (then 200, the whole body).
    bool ignoresRange = false;    // answers every Range with 200 and the whole body
    bool ignoresIfRange = false;  // answers the range whatever If-Range names
    std::int64_t rangeShift = 0;  // a faulty 206: its range starts this many bytes off
    std::int64_t cutAfter = -1;   // >= 0: the connection is cut after this many body bytes

    // A body shorter than announced: `announced` in the header, `body` sent, then close.
    static HttpResponse ShortBody(std::string body, std::int64_t announced);
    // A body longer than announced: `announced` in the header, all of `body` sent, then close.
    static HttpResponse LongBody(std::string body, std::int64_t announced);
    // A body in chunked encoding (no Content-Length header).
    static HttpResponse Chunked(std::string body);
    // A body sent `pieceBytes` at a time, each piece after `pauseMs`.
    static HttpResponse Trickle(std::string body, std::size_t pieceBytes, int pauseMs);
    // Accept, read the request, answer nothing.
    static HttpResponse Silent();
    // HEAD answers `headStatus` while GET answers 200 with `body`.
    static HttpResponse HeadStatus(int headStatus, std::string body = {});
};

// Byte `offset` of a generated body: a pattern that does not repeat with any
// power-of-two period below 64 KiB, so a lost, doubled or shifted chunk shows.
inline unsigned char PatternByte(std::int64_t offset) {
    const std::uint64_t o = static_cast<std::uint64_t>(offset);
    return static_cast<unsigned char>((o * 131u) ^ (o >> 8) ^ (o >> 17) ^ (o / 251u));
}
std::string PatternBytes(std::int64_t offset, std::size_t count);

// What the server received.
struct HttpRequestRecord {
    std::string method;    // "GET", "HEAD", ...
    std::string path;      // the request target as sent, e.g. "/a/b.ini" ("http://host/a/b.ini" through a proxy)
    std::string headers;   // the raw header lines (after the request line)
};

class HttpServer {
public:
    // Binds 127.0.0.1 on a free port and starts serving. Aborts the test program when
    // the socket cannot be opened (nothing else would work anyway).
    HttpServer();
    // The same on a given port (0: a free one), for programs that must be found at a
    // fixed address.
    explicit HttpServer(unsigned short port);
    ~HttpServer();
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    unsigned short Port() const { return port_; }
    // "http://127.0.0.1:PORT" (no trailing slash) and that base + path.
    std::wstring BaseUrl() const;
    std::wstring Url(const std::string& path) const;
    // "127.0.0.1:PORT", for URLs written without a scheme.
    std::wstring HostAndPort() const;

    // Registers the answer for a path (exact request target; a target with doubled
    // slashes also finds it). Several responses are given out in turn, one per
    // request whatever its method, the last one for every later request: the download
    // engine's size query (HEAD) takes the first, its transfer (GET) the second.
    void Serve(const std::string& path, std::string body);
    void Serve(const std::string& path, HttpResponse response);
    void ServeSequence(const std::string& path, std::vector<HttpResponse> responses);
    void Remove(const std::string& path);
    // Serves the files under `folder` for targets below `urlPrefix` ("/" + relative
    // path, "%XX" decoded), read at each request. Registered paths win.
    void ServeFolder(const std::string& urlPrefix, const std::filesystem::path& folder);

    // Waits this long before each answer, as a distant server would (0: none).
    void SetAnswerDelay(int milliseconds);

    std::vector<HttpRequestRecord> Requests() const;
    // TCP connections accepted so far.
    int CountConnections() const;
    int CountRequests(const std::string& method, const std::string& path) const;
    int CountRequests() const;
    void ClearRequests();

private:
    struct Route {
        std::vector<HttpResponse> responses;
        std::size_t next = 0;
    };
    void AcceptLoop();
    // Answers requests on `s` until the connection ends; the caller closes it.
    void ServeConnection(SOCKET s);
    // Picks the answer for a request; nullopt means 404.
    std::optional<HttpResponse> Lookup(const std::string& method, const std::string& target);
    bool SendResponse(SOCKET s, const HttpRequestRecord& request, const HttpResponse& r, bool& keepAlive);
    void WaitUntilClosed(SOCKET s);
    int DelayBeforeAnswer() const;
    // Waits `ms` unless the server stops meanwhile; false when it stops.
    bool Pause(int ms);

    SOCKET listener_ = INVALID_SOCKET;
    unsigned short port_ = 0;
    std::thread acceptThread_;

    mutable std::mutex mutex_;
    bool stopping_ = false;
    std::map<std::string, Route> routes_;
    std::vector<std::pair<std::string, std::filesystem::path>> folders_;
    std::vector<HttpRequestRecord> log_;
    int connections_ = 0;
    int answerDelayMs_ = 0;
    std::vector<std::thread> workers_;
};

}  // namespace testsupport
