#include "tests/support/http_server.h"

#include <ws2tcpip.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "platform/text.h"

namespace testsupport {
namespace {

constexpr int kPollMs = 50;

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string CollapseSlashes(const std::string& s) {
    std::string out;
    for (char c : s)
        if (!(c == '/' && !out.empty() && out.back() == '/')) out += c;
    return out;
}

std::string PercentDecode(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size()) {
            out += static_cast<char>(std::strtol(s.substr(i + 1, 2).c_str(), nullptr, 16));
            i += 2;
        } else {
            out += s[i];
        }
    }
    return out;
}

const char* Reason(int status) {
    switch (status) {
    case 200: return "OK";
    case 204: return "No Content";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 206: return "Partial Content";
    case 304: return "Not Modified";
    case 416: return "Range Not Satisfiable";
    case 400: return "Bad Request";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    case 503: return "Service Unavailable";
    default: return "Status";
    }
}

// The value of the request header `name` (any letter case), "" without one.
std::string RequestHeader(const std::string& headers, const std::string& name) {
    std::istringstream lines(headers);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos || Lower(line.substr(0, colon)) != Lower(name)) continue;
        const std::size_t value = line.find_first_not_of(' ', colon + 1);
        return value == std::string::npos ? std::string() : line.substr(value);
    }
    return {};
}

struct WinsockInit {
    WinsockInit() {
        WSADATA data;
        if (WSAStartup(MAKEWORD(2, 2), &data) != 0) {
            std::fprintf(stderr, "http_server: WSAStartup failed\n");
            std::abort();
        }
    }
};

}  // namespace

std::string PatternBytes(std::int64_t offset, std::size_t count) {
    std::string out(count, '\0');
    for (std::size_t i = 0; i < count; ++i)
        out[i] = static_cast<char>(PatternByte(offset + static_cast<std::int64_t>(i)));
    return out;
}

HttpResponse HttpResponse::ShortBody(std::string body, std::int64_t announced) {
    HttpResponse r;
    r.body = std::move(body);
    r.contentLength = announced;
    r.closeAfter = true;
    return r;
}

HttpResponse HttpResponse::LongBody(std::string body, std::int64_t announced) {
    return ShortBody(std::move(body), announced);
}

HttpResponse HttpResponse::Chunked(std::string body) {
    HttpResponse r;
    r.body = std::move(body);
    r.chunked = true;
    return r;
}

HttpResponse HttpResponse::Trickle(std::string body, std::size_t pieceBytes, int pauseMs) {
    HttpResponse r;
    r.body = std::move(body);
    r.trickleBytes = pieceBytes;
    r.tricklePauseMs = pauseMs;
    return r;
}

HttpResponse HttpResponse::Silent() {
    HttpResponse r;
    r.silent = true;
    return r;
}

HttpResponse HttpResponse::HeadStatus(int headStatus, std::string body) {
    HttpResponse r;
    r.body = std::move(body);
    r.headStatus = headStatus;
    return r;
}

HttpServer::HttpServer() : HttpServer(0) {}

HttpServer::HttpServer(unsigned short port) {
    static WinsockInit winsock;
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = htons(port);
    int len = sizeof(addr);
    if (listener_ == INVALID_SOCKET || bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) != 0 ||
        listen(listener_, SOMAXCONN) != 0 || getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
        std::fprintf(stderr, "http_server: cannot listen on 127.0.0.1 (%d)\n", WSAGetLastError());
        std::abort();
    }
    port_ = ntohs(addr.sin_port);
    acceptThread_ = std::thread([this] { AcceptLoop(); });
}

HttpServer::~HttpServer() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    acceptThread_.join();
    closesocket(listener_);
    std::vector<std::thread> workers;
    {
        std::lock_guard lock(mutex_);
        workers.swap(workers_);
    }
    for (auto& t : workers) t.join();
}

std::wstring HttpServer::HostAndPort() const { return L"127.0.0.1:" + std::to_wstring(port_); }
std::wstring HttpServer::BaseUrl() const { return L"http://" + HostAndPort(); }
std::wstring HttpServer::Url(const std::string& path) const { return BaseUrl() + platform::FromUtf8(path); }

void HttpServer::Serve(const std::string& path, std::string body) {
    HttpResponse r;
    r.body = std::move(body);
    Serve(path, std::move(r));
}

void HttpServer::Serve(const std::string& path, HttpResponse response) {
    ServeSequence(path, {std::move(response)});
}

void HttpServer::ServeSequence(const std::string& path, std::vector<HttpResponse> responses) {
    std::lock_guard lock(mutex_);
    routes_[path] = Route{std::move(responses), 0};
}

void HttpServer::Remove(const std::string& path) {
    std::lock_guard lock(mutex_);
    routes_.erase(path);
}

void HttpServer::ServeFolder(const std::string& urlPrefix, const std::filesystem::path& folder) {
    std::lock_guard lock(mutex_);
    folders_.emplace_back(urlPrefix, folder);
}

std::vector<HttpRequestRecord> HttpServer::Requests() const {
    std::lock_guard lock(mutex_);
    return log_;
}

int HttpServer::CountRequests(const std::string& method, const std::string& path) const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(std::count_if(log_.begin(), log_.end(), [&](const HttpRequestRecord& r) {
        return r.method == method && r.path == path;
    }));
}

void HttpServer::SetAnswerDelay(int milliseconds) {
    std::lock_guard lock(mutex_);
    answerDelayMs_ = milliseconds;
}

int HttpServer::CountConnections() const {
    std::lock_guard lock(mutex_);
    return connections_;
}

int HttpServer::CountRequests() const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(log_.size());
}

void HttpServer::ClearRequests() {
    std::lock_guard lock(mutex_);
    log_.clear();
}

void HttpServer::AcceptLoop() {
    for (;;) {
        {
            std::lock_guard lock(mutex_);
            if (stopping_) return;
        }
        fd_set set;
        FD_ZERO(&set);
        FD_SET(listener_, &set);
        timeval tv{0, kPollMs * 1000};
        if (select(0, &set, nullptr, nullptr, &tv) <= 0) continue;
        SOCKET s = accept(listener_, nullptr, nullptr);
        if (s == INVALID_SOCKET) continue;
        // Headers and body go out in separate sends: without this, Nagle's algorithm
        // holds the body back until the client's delayed acknowledgement.
        const BOOL noDelay = TRUE;
        setsockopt(s, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&noDelay), sizeof noDelay);
        std::lock_guard lock(mutex_);
        ++connections_;
        workers_.emplace_back([this, s] {
            ServeConnection(s);
            closesocket(s);
        });
    }
}

// Waits for data or the end of the connection, checking now and then whether the
// server is stopping. Returns the byte count (0 at end, -1 on error or stop).
static int RecvWhileRunning(SOCKET s, char* buf, int size, std::mutex& m, const bool& stopping) {
    for (;;) {
        {
            std::lock_guard lock(m);
            if (stopping) return -1;
        }
        fd_set set;
        FD_ZERO(&set);
        FD_SET(s, &set);
        timeval tv{0, kPollMs * 1000};
        const int ready = select(0, &set, nullptr, nullptr, &tv);
        if (ready < 0) return -1;
        if (ready == 0) continue;
        const int n = recv(s, buf, size, 0);
        if (n == SOCKET_ERROR && WSAGetLastError() == WSAEWOULDBLOCK) continue;
        return n;
    }
}

// Sends everything on a non-blocking socket, waiting for room while the server
// runs. False when the client has gone or the server is stopping.
static bool SendWhileRunning(SOCKET s, const char* p, std::size_t n, std::mutex& m, const bool& stopping) {
    while (n > 0) {
        const int sent = send(s, p, static_cast<int>(std::min<std::size_t>(n, 64 * 1024)), 0);
        if (sent > 0) {
            p += sent;
            n -= static_cast<std::size_t>(sent);
            continue;
        }
        if (sent == 0 || WSAGetLastError() != WSAEWOULDBLOCK) return false;
        for (;;) {
            {
                std::lock_guard lock(m);
                if (stopping) return false;
            }
            fd_set set;
            FD_ZERO(&set);
            FD_SET(s, &set);
            timeval tv{0, kPollMs * 1000};
            const int ready = select(0, nullptr, &set, nullptr, &tv);
            if (ready < 0) return false;
            if (ready > 0) break;
        }
    }
    return true;
}

void HttpServer::ServeConnection(SOCKET s) {
    // Non-blocking, so that a client that stops reading cannot hold the server up.
    u_long nonBlocking = 1;
    ioctlsocket(s, FIONBIO, &nonBlocking);
    std::string pending;
    char buf[8192];
    bool keepAlive = true;
    while (keepAlive) {
        std::size_t end;
        while ((end = pending.find("\r\n\r\n")) == std::string::npos) {
            const int n = RecvWhileRunning(s, buf, sizeof(buf), mutex_, stopping_);
            if (n <= 0) return;
            pending.append(buf, n);
        }
        const std::string head = pending.substr(0, end);
        pending.erase(0, end + 4);

        HttpRequestRecord rec;
        const std::size_t lineEnd = head.find("\r\n");
        const std::string requestLine = head.substr(0, lineEnd);
        rec.headers = lineEnd == std::string::npos ? std::string() : head.substr(lineEnd + 2);
        std::istringstream line(requestLine);
        std::string version;
        line >> rec.method >> rec.path >> version;
        {
            std::lock_guard lock(mutex_);
            log_.push_back(rec);
        }
        const std::string lowerHeaders = Lower(rec.headers);
        if (version == "HTTP/1.0" || lowerHeaders.find("connection: close") != std::string::npos) keepAlive = false;

        std::optional<HttpResponse> response = Lookup(rec.method, rec.path);
        if (!response) {
            response = HttpResponse{};
            response->status = 404;
            response->body = "not found";
        }
        if (response->silent) {
            WaitUntilClosed(s);
            return;
        }
        if (!Pause(DelayBeforeAnswer())) return;
        if (!SendResponse(s, rec, *response, keepAlive)) break;
    }
    shutdown(s, SD_SEND);
}

void HttpServer::WaitUntilClosed(SOCKET s) {
    char buf[1024];
    while (RecvWhileRunning(s, buf, sizeof(buf), mutex_, stopping_) > 0) {
    }
}

int HttpServer::DelayBeforeAnswer() const {
    std::lock_guard lock(mutex_);
    return answerDelayMs_;
}

bool HttpServer::Pause(int ms) {
    std::unique_lock lock(mutex_);
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!stopping_ && std::chrono::steady_clock::now() < until) {
        lock.unlock();
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min(ms, 10)));
        lock.lock();
    }
    return !stopping_;
}

std::optional<HttpResponse> HttpServer::Lookup(const std::string& method, const std::string& requestTarget) {
    (void)method;
    // A proxy's request names the origin in front of the path.
    std::string target = requestTarget;
    if (Lower(target.substr(0, 7)) == "http://") {
        const std::size_t path = target.find('/', 7);
        target = path == std::string::npos ? "/" : target.substr(path);
    }
    std::lock_guard lock(mutex_);
    const std::string withoutQuery = target.substr(0, target.find('?'));
    for (const std::string& key : {target, CollapseSlashes(target), withoutQuery, CollapseSlashes(withoutQuery)}) {
        auto it = routes_.find(key);
        if (it == routes_.end()) continue;
        Route& route = it->second;
        if (route.responses.empty()) return std::nullopt;
        const std::size_t i = std::min(route.next, route.responses.size() - 1);
        if (route.next < route.responses.size()) ++route.next;
        return route.responses[i];
    }
    const std::string path = PercentDecode(CollapseSlashes(withoutQuery));
    for (const auto& [prefix, folder] : folders_) {
        if (path.compare(0, prefix.size(), prefix) != 0) continue;
        std::string rel = path.substr(prefix.size());
        while (!rel.empty() && rel.front() == '/') rel.erase(0, 1);
        if (rel.empty() || rel.find("..") != std::string::npos) continue;
        std::ifstream in(folder / std::filesystem::path(platform::FromUtf8(rel)), std::ios::binary);
        if (!in) continue;
        std::ostringstream data;
        data << in.rdbuf();
        HttpResponse r;
        r.body = data.str();
        return r;
    }
    return std::nullopt;
}

bool HttpServer::SendResponse(SOCKET s, const HttpRequestRecord& request, const HttpResponse& r, bool& keepAlive) {
    const bool head = request.method == "HEAD";
    int status = head && r.headStatus ? *r.headStatus : r.status;
    std::int64_t bodySize = r.generatedSize >= 0 ? r.generatedSize : static_cast<std::int64_t>(r.body.size());
    if (r.closeAfter || r.noLength) keepAlive = false;

    // Conditional and range requests, for a GET that would be answered 200.
    std::int64_t first = 0;
    std::string contentRange;
    const auto names = [&](const std::string& validator) {
        return !validator.empty() && (validator == r.etag || validator == r.lastModified);
    };
    const std::string range = RequestHeader(request.headers, "Range");
    const std::string ifRange = RequestHeader(request.headers, "If-Range");
    if (!head && status == 200 &&
        ((!r.etag.empty() && RequestHeader(request.headers, "If-None-Match") == r.etag) ||
         (!r.lastModified.empty() && RequestHeader(request.headers, "If-Modified-Since") == r.lastModified))) {
        status = 304;
        bodySize = 0;
    } else if (!head && status == 200 && range.starts_with("bytes=") && range.ends_with("-") && !r.ignoresRange &&
               (ifRange.empty() || r.ignoresIfRange || names(ifRange))) {
        first = std::strtoll(range.c_str() + 6, nullptr, 10) + r.rangeShift;
        status = first < bodySize ? 206 : 416;
        contentRange = status == 206 ? "bytes " + std::to_string(first) + "-" + std::to_string(bodySize - 1) + "/" +
                                           std::to_string(bodySize)
                                     : "bytes */" + std::to_string(bodySize);
        if (status == 416) first = bodySize;
    }

    std::string header = "HTTP/1.1 " + std::to_string(status) + " " + Reason(status) + "\r\n";
    if (r.chunked)
        header += "Transfer-Encoding: chunked\r\n";
    else if (!r.noLength)
        header += "Content-Length: " +
                  std::to_string(r.contentLength && status == 200 ? *r.contentLength : bodySize - first) + "\r\n";
    if (!contentRange.empty()) header += "Content-Range: " + contentRange + "\r\n";
    if (!r.etag.empty()) header += "ETag: " + r.etag + "\r\n";
    if (!r.lastModified.empty()) header += "Last-Modified: " + r.lastModified + "\r\n";
    for (const std::string& h : r.extraHeaders) header += h + "\r\n";
    if (!keepAlive) header += "Connection: close\r\n";
    header += "\r\n";

    auto sendAll = [&](const char* p, std::size_t n) { return SendWhileRunning(s, p, n, mutex_, stopping_); };

    if (!sendAll(header.data(), header.size())) return false;
    if (head) return true;

    const std::size_t piece = r.trickleBytes > 0 ? r.trickleBytes : (r.chunked ? 4096 : 256 * 1024);
    std::string buffer;
    for (std::int64_t offset = first; offset < bodySize;) {
        std::size_t n = static_cast<std::size_t>(std::min<std::int64_t>(piece, bodySize - offset));
        const std::int64_t sent = offset - first;
        if (r.cutAfter >= 0) n = static_cast<std::size_t>(std::min<std::int64_t>(n, r.cutAfter - sent));
        if (n == 0) {
            keepAlive = false;  // cut: the connection ends mid-body
            return false;
        }
        const char* data;
        if (r.generatedSize >= 0) {
            buffer = PatternBytes(offset, n);
            data = buffer.data();
        } else {
            data = r.body.data() + offset;
        }
        if (r.tricklePauseMs > 0 && !Pause(r.tricklePauseMs)) return false;
        if (r.chunked) {
            char size[32];
            std::snprintf(size, sizeof(size), "%zx\r\n", n);
            if (!sendAll(size, std::strlen(size)) || !sendAll(data, n) || !sendAll("\r\n", 2)) return false;
        } else if (!sendAll(data, n)) {
            return false;
        }
        offset += static_cast<std::int64_t>(n);
    }
    if (r.chunked && !sendAll("0\r\n\r\n", 5)) return false;
    return true;
}

}  // namespace testsupport
