#include "LoopbackServers.h"

#include <httplib.h>

#include <stdexcept>

#ifndef _WIN32
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace qingtan::test {

std::string TestCertificates::dir() {
    return QINGTAN_TEST_CERT_DIR;
}

TestHttpsServer::TestHttpsServer(const std::string& certFile, const std::string& keyFile)
    : m_server(std::make_unique<httplib::SSLServer>(certFile.c_str(), keyFile.c_str())) {
    if (!m_server->is_valid()) {
        throw std::runtime_error("cannot load the test certificate " + certFile);
    }
    // Without it every answer waits for the client's delayed acknowledgement between headers and body.
    m_server->set_tcp_nodelay(true);
    m_server->Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
        std::unique_lock lock(m_mutex);
        m_requests.push_back(request.method + " " + request.path);
        if (const auto custom = m_handlers.find(request.path); custom != m_handlers.end()) {
            const Handler handler = custom->second;
            lock.unlock();
            handler(request, response);
            return;
        }
        const auto canned = m_responses.find(request.path);
        if (canned == m_responses.end()) {
            response.status = 404;
            response.set_content("<html><body>404 Not Found</body></html>", "text/html");
            return;
        }
        response.status = canned->second.status;
        response.set_content(canned->second.body, "text/plain");
    });
    m_port = m_server->bind_to_any_port("127.0.0.1");
    if (m_port <= 0) {
        throw std::runtime_error("cannot bind the test HTTPS server");
    }
    m_thread = std::thread([this] { m_server->listen_after_bind(); });
}

TestHttpsServer::~TestHttpsServer() {
    // stop() only reaches a server that has started its accept loop.
    while (!m_server->is_running()) {
        std::this_thread::yield();
    }
    m_server->stop();
    m_thread.join();
}

void TestHttpsServer::setResponse(const std::string& path, int status, const std::string& body) {
    std::lock_guard lock(m_mutex);
    m_responses[path] = Canned{status, body};
}

void TestHttpsServer::setHandler(const std::string& path, Handler handler) {
    std::lock_guard lock(m_mutex);
    m_handlers[path] = std::move(handler);
}

void TestHttpsServer::removeResponse(const std::string& path) {
    std::lock_guard lock(m_mutex);
    m_responses.erase(path);
}

std::string TestHttpsServer::baseUrl() const {
    return "https://127.0.0.1:" + std::to_string(m_port) + "/";
}

std::vector<std::string> TestHttpsServer::requests() const {
    std::lock_guard lock(m_mutex);
    return m_requests;
}

void TestHttpsServer::clearRequests() {
    std::lock_guard lock(m_mutex);
    m_requests.clear();
}

#ifndef _WIN32
namespace {

// The bytes of one request: the header block and as many body bytes as Content-Length names.
std::string readRequest(int socket) {
    std::string request;
    char buffer[4096];
    std::size_t headerEnd = std::string::npos;
    std::size_t expected = 0;
    for (;;) {
        if (headerEnd != std::string::npos && request.size() >= expected) {
            return request;
        }
        const ssize_t got = ::recv(socket, buffer, sizeof buffer, 0);
        if (got <= 0) {
            return request;
        }
        request.append(buffer, static_cast<std::size_t>(got));
        if (headerEnd == std::string::npos && (headerEnd = request.find("\r\n\r\n")) != std::string::npos) {
            std::string lower = request.substr(0, headerEnd);
            for (char& c : lower) {
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            }
            std::size_t length = 0;
            if (const std::size_t at = lower.find("\r\ncontent-length:"); at != std::string::npos) {
                length = std::stoul(lower.substr(at + 17));
            }
            expected = headerEnd + 4 + length;
        }
    }
}

} // namespace

void SendAll(int socket, const std::string& bytes) {
#ifdef MSG_NOSIGNAL
    constexpr int flags = MSG_NOSIGNAL; // a client that has gone must not kill the test with SIGPIPE
#else
    constexpr int flags = 0;
#endif
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(socket, bytes.data() + sent, bytes.size() - sent, flags);
        if (n <= 0) {
            return;
        }
        sent += static_cast<std::size_t>(n);
    }
}

int FreeLoopbackPort() {
    const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(probe);
    return ntohs(address.sin_port);
}

RawHttpServer::RawHttpServer(Responder responder) : m_responder(std::move(responder)) {
    m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (m_listener < 0 || ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(m_listener, 8) != 0 || ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length)) {
        throw std::runtime_error("cannot start the raw test server");
    }
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this] { serve(); });
}

RawHttpServer::~RawHttpServer() {
    ::shutdown(m_listener, SHUT_RDWR);
    {
        std::lock_guard lock(m_mutex);
        if (m_client >= 0) {
            ::shutdown(m_client, SHUT_RDWR);
        }
    }
    m_thread.join();
    ::close(m_listener);
}

void RawHttpServer::serve() {
    for (;;) {
        const int client = ::accept(m_listener, nullptr, nullptr);
        if (client < 0) {
            return;
        }
        {
            std::lock_guard lock(m_mutex);
            m_client = client;
        }
        const std::string request = readRequest(client);
        {
            std::lock_guard lock(m_mutex);
            m_requests.push_back(request);
        }
        m_responder(client, request);
        {
            std::lock_guard lock(m_mutex);
            m_client = -1;
        }
        ::close(client);
    }
}

RawHttpServer::Responder RawHttpServer::reply(std::string bytes) {
    return [bytes = std::move(bytes)](int socket, const std::string&) { SendAll(socket, bytes); };
}

RawHttpServer::Responder RawHttpServer::silent() {
    return [](int socket, const std::string&) {
        char buffer[256];
        while (::recv(socket, buffer, sizeof buffer, 0) > 0) {
        }
    };
}

std::string RawHttpServer::url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(m_port) + path;
}

std::vector<std::string> RawHttpServer::requests() const {
    std::lock_guard lock(m_mutex);
    return m_requests;
}
#endif

} // namespace qingtan::test
