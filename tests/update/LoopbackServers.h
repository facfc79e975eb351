#pragma once

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace httplib {
class Server;
struct Request;
struct Response;
} // namespace httplib

namespace qingtan::test {

// Certificates made for the tests at build time: a CA the tests trust, a server certificate it signed for
// 127.0.0.1, one it signed for another host name, and a server certificate from a CA nobody trusts.
struct TestCertificates {
    static std::string dir();
    static std::string trustedCa() { return dir() + "/ca.pem"; }
    static std::string serverCert() { return dir() + "/server.pem"; }
    static std::string serverKey() { return dir() + "/server.key"; }
    static std::string wrongHostCert() { return dir() + "/wrong-host.pem"; }
    static std::string wrongHostKey() { return dir() + "/wrong-host.key"; }
    static std::string untrustedCert() { return dir() + "/untrusted.pem"; }
    static std::string untrustedKey() { return dir() + "/untrusted.key"; }
};

// An HTTPS server on 127.0.0.1 in this process. GET paths answer what setResponse gave them (404 with an HTML
// page otherwise); every request is recorded before it is answered.
class TestHttpsServer {
public:
    explicit TestHttpsServer(const std::string& certFile = TestCertificates::serverCert(),
                             const std::string& keyFile = TestCertificates::serverKey());
    ~TestHttpsServer();
    TestHttpsServer(const TestHttpsServer&) = delete;
    TestHttpsServer& operator=(const TestHttpsServer&) = delete;

    void setResponse(const std::string& path, int status, const std::string& body);
    void removeResponse(const std::string& path);
    int port() const { return m_port; }
    std::string baseUrl() const;
    // "GET /douyin_ver.txt" per request, in order of arrival.
    std::vector<std::string> requests() const;
    void clearRequests();
    // A handler of the test's own for GET `path` (redirects, request capture), in place of a canned answer.
    using Handler = std::function<void(const httplib::Request&, httplib::Response&)>;
    void setHandler(const std::string& path, Handler handler);

private:
    struct Canned {
        int status;
        std::string body;
    };
    std::unique_ptr<httplib::Server> m_server;
    std::thread m_thread;
    int m_port = 0;
    mutable std::mutex m_mutex;
    std::map<std::string, Canned> m_responses;
    std::map<std::string, Handler> m_handlers;
    std::vector<std::string> m_requests;
};

#ifndef _WIN32
// A plain TCP server on 127.0.0.1 that records each request's raw bytes (headers and Content-Length body) and
// hands the connection to a responder, which writes what it likes; the connection is closed afterwards.
class RawHttpServer {
public:
    using Responder = std::function<void(int socket, const std::string& request)>;

    explicit RawHttpServer(Responder responder);
    ~RawHttpServer();
    RawHttpServer(const RawHttpServer&) = delete;
    RawHttpServer& operator=(const RawHttpServer&) = delete;

    // A responder that writes these bytes.
    static Responder reply(std::string bytes);
    // A responder that answers nothing and waits until the client gives up.
    static Responder silent();

    int port() const { return m_port; }
    std::string url(const std::string& path = "/") const;
    std::vector<std::string> requests() const;

private:
    void serve();

    Responder m_responder;
    int m_listener = -1;
    int m_port = 0;
    std::thread m_thread;
    mutable std::mutex m_mutex;
    std::vector<std::string> m_requests;
    int m_client = -1;
};

// Writes all bytes to a socket, ignoring a peer that has gone.
void SendAll(int socket, const std::string& bytes);

// A port on 127.0.0.1 that was free a moment ago, for servers that cannot be told to pick one.
int FreeLoopbackPort();
#endif

} // namespace qingtan::test
