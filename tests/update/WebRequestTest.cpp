#include "WebRequest.h"

#include "FileHelpers.h"
#include "LoopbackServers.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <algorithm>
#include <limits>
#include <ostream>

namespace qingtan {
namespace {

using test::RawHttpServer;
using test::TestCertificates;
using test::TestHttpsServer;

std::string okResponse(const std::string& body, const std::string& extraHeaders = "") {
    return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n" + extraHeaders + "\r\n" + body;
}

std::string bodyOf(const std::string& request) {
    return request.substr(request.find("\r\n\r\n") + 4);
}

int countLines(const std::string& request, const std::string& prefix) {
    int count = 0;
    for (std::size_t at = request.find("\r\n" + prefix); at != std::string::npos;
         at = request.find("\r\n" + prefix, at + 2)) {
        ++count;
    }
    return count;
}

TransportSettings trustingTestCa() {
    TransportSettings transport;
    transport.caFile = TestCertificates::trustedCa();
    return transport;
}

#ifndef _WIN32

TEST(WebRequestWire, fetchTextSendsTheDefaultRequestExactly) {
    RawHttpServer server(RawHttpServer::reply(okResponse("20240601")));
    const std::string url = server.url("/douyin_ver.txt");

    EXPECT_EQ(FetchText(url), "20240601");

    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(server.requests()[0], "GET /douyin_ver.txt HTTP/1.1\r\n"
                                    "Host: 127.0.0.1:" +
                                        std::to_string(server.port()) +
                                        "\r\n"
                                        "User-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)\r\n"
                                        "Accept: */*\r\n"
                                        "Referer: " +
                                        url +
                                        "\r\n"
                                        "Accept-Language: zh-cn\r\n"
                                        "\r\n");
}

struct MethodCase {
    const char* name;
    int method;
    std::optional<AnsiText> postText;
    std::optional<ByteBuffer> postBytes;
    std::optional<AnsiText> extraHeaders;
    std::string requestLine;
    std::string body;
    std::vector<std::string> contentTypes; // every Content-Type line sent
};

void PrintTo(const MethodCase& c, std::ostream* out) {
    *out << c.name;
}

class WebRequestMethods : public testing::TestWithParam<MethodCase> {};

TEST_P(WebRequestMethods, sendVerbBodyAndContentTypeDefault) {
    const MethodCase& c = GetParam();
    RawHttpServer server(RawHttpServer::reply(okResponse("ok")));
    WebRequestOptions options;
    options.method = c.method;
    options.postText = c.postText;
    options.postBytes = c.postBytes;
    options.extraHeaders = c.extraHeaders;

    const WebResponse response = WebRequest(server.url("/form?x=1"), options);

    EXPECT_TRUE(response.completed()) << response.failure;
    ASSERT_EQ(server.requests().size(), 1u);
    const std::string request = server.requests()[0];
    EXPECT_EQ(request.substr(0, request.find("\r\n")), c.requestLine);
    EXPECT_EQ(bodyOf(request), c.body);
    std::vector<std::string> contentTypes;
    for (std::size_t at = request.find("\r\nContent-Type:"); at != std::string::npos;
         at = request.find("\r\nContent-Type:", at + 2)) {
        contentTypes.push_back(request.substr(at + 2, request.find("\r\n", at + 2) - at - 2));
    }
    EXPECT_EQ(contentTypes, c.contentTypes);
    EXPECT_EQ(countLines(request, "Expect:"), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Verbs, WebRequestMethods,
    testing::Values(
        MethodCase{"belowRangeIsGet", -1, "a=1", std::nullopt, std::nullopt, "GET /form?x=1 HTTP/1.1", "", {}},
        MethodCase{"eightIsGet", 8, "a=1", std::nullopt, std::nullopt, "GET /form?x=1 HTTP/1.1", "", {}},
        MethodCase{"hundredIsGet", 100, "a=1", std::nullopt, std::nullopt, "GET /form?x=1 HTTP/1.1", "", {}},
        MethodCase{
            "putHasNoContentTypeDefault", 3, "a=1", ByteBuffer(), std::nullopt, "PUT /form?x=1 HTTP/1.1", "a=1", {}},
        MethodCase{"postAddsFormContentType",
                   1,
                   "a=1",
                   std::nullopt,
                   std::nullopt,
                   "POST /form?x=1 HTTP/1.1",
                   "a=1",
                   {"Content-Type: application/x-www-form-urlencoded"}},
        MethodCase{"postKeepsCallersContentType",
                   1,
                   "a=1",
                   std::nullopt,
                   "content-type: text/plain",
                   "POST /form?x=1 HTTP/1.1",
                   "a=1",
                   {"Content-Type: text/plain"}},
        MethodCase{"postBytesWinOverTextAndKeepNul",
                   1,
                   "ignored",
                   ByteBuffer("b\0c", 3),
                   std::nullopt,
                   "POST /form?x=1 HTTP/1.1",
                   std::string("b\0c", 3),
                   {"Content-Type: application/x-www-form-urlencoded"}},
        MethodCase{"largePostBodyWithoutExpect",
                   1,
                   std::string(5000, 'z'),
                   std::nullopt,
                   std::nullopt,
                   "POST /form?x=1 HTTP/1.1",
                   std::string(5000, 'z'),
                   {"Content-Type: application/x-www-form-urlencoded"}},
        MethodCase{
            "deleteWithoutBody", 5, std::nullopt, std::nullopt, std::nullopt, "DELETE /form?x=1 HTTP/1.1", "", {}}),
    [](const testing::TestParamInfo<MethodCase>& testInfo) { return std::string(testInfo.param.name); });

TEST(WebRequestHeaders, callersAcceptIsCapitalisedKeptAndDefaultsFollow) {
    RawHttpServer server(RawHttpServer::reply(okResponse("ok")));
    const std::string url = server.url("/page");
    WebRequestOptions options;
    options.extraHeaders = "accept: text/html";

    WebRequest(url, options);

    EXPECT_EQ(options.extraHeaders, "Accept: text/html\r\nReferer: " + url + "\r\nAccept-Language: zh-cn");
    const std::string request = server.requests().at(0);
    EXPECT_EQ(countLines(request, "Accept:"), 1);
    EXPECT_NE(request.find("\r\nAccept: text/html\r\nReferer: " + url + "\r\nAccept-Language: zh-cn\r\n"),
              std::string::npos)
        << request;
}

TEST(WebRequestHeaders, agentComesFromTheHeaderTextAndIsSentOnce) {
    RawHttpServer server(RawHttpServer::reply(okResponse("ok")));
    WebRequestOptions options;
    options.extraHeaders = "X-Trace: 1\r\nuser-agent:  X/1 ";

    WebRequest(server.url("/"), options);

    const std::string request = server.requests().at(0);
    EXPECT_EQ(countLines(request, "User-Agent:"), 1) << request;
    EXPECT_NE(request.find("\r\nUser-Agent:  X/1 \r\n"), std::string::npos) << request;
}

TEST(WebRequestHeaders, withoutCompletionOnlyTheCallersLinesGoOut) {
    RawHttpServer server(RawHttpServer::reply(okResponse("ok")));
    WebRequestOptions options;
    options.extraHeaders = "X-One: 1\r\nX-Empty:\r\nx-two: 2";
    options.completeHeaders = false;
    options.capitalizeHeaderNames = false;

    WebRequest(server.url("/"), options);

    const std::string request = server.requests().at(0);
    EXPECT_EQ(request.substr(request.find("\r\nX-One")), "\r\nX-One: 1\r\nX-Empty:\r\nx-two: 2\r\n\r\n");
    EXPECT_EQ(countLines(request, "Accept"), 0) << request;
    EXPECT_EQ(countLines(request, "Referer"), 0) << request;
}

struct CookieLineCase {
    AnsiText sendCookies;
    std::string cookieLine; // empty: no Cookie line
};

TEST(WebRequestCookies, sendCookiesBecomeOneCookieLine) {
    const CookieLineCase cases[] = {
        {"a=1", "Cookie: a=1"},
        {"Cookie: a=1", "Cookie: a=1"},
        // The test for an existing prefix is byte-exact.
        {"cookie: a=1", "Cookie: cookie: a=1"},
        {"", ""},
    };
    for (const CookieLineCase& c : cases) {
        RawHttpServer server(RawHttpServer::reply(okResponse("ok")));
        WebRequestOptions options;
        options.sendCookies = c.sendCookies;
        WebRequest(server.url("/"), options);
        const std::string request = server.requests().at(0);
        EXPECT_EQ(countLines(request, "Cookie:"), c.cookieLine.empty() ? 0 : 1) << request;
        if (!c.cookieLine.empty()) {
            EXPECT_NE(request.find("\r\n" + c.cookieLine + "\r\n"), std::string::npos) << request;
        }
    }
}

TEST(WebRequestCookies, receivedCookiesAreFirstPairsOfExactSetCookieLinesMergedWithSentOnes) {
    const std::string head = "Set-Cookie: a=1; Path=/\r\nSet-Cookie: b=2\r\nset-cookie: c=3\r\nSet-Cookie:d=4\r\n";
    RawHttpServer server(RawHttpServer::reply(okResponse("ok", head)));

    WebRequestOptions plain;
    WebRequest(server.url("/"), plain);
    EXPECT_EQ(plain.receivedCookies, "a=1; b=2");
    EXPECT_EQ(plain.responseHeaders, "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n" + head + "\r\n");

    WebRequestOptions merging;
    merging.sendCookies = "a=0; z=5";
    WebRequest(server.url("/"), merging);
    EXPECT_EQ(merging.receivedCookies, "a=1; b=2; z=5");
    EXPECT_EQ(merging.sendCookies, "a=1; b=2; z=5");

    WebRequestOptions emptySupplied;
    emptySupplied.sendCookies = "";
    WebRequest(server.url("/"), emptySupplied);
    EXPECT_EQ(emptySupplied.receivedCookies, "a=1; b=2");
    EXPECT_EQ(emptySupplied.sendCookies, "a=1; b=2");

    WebRequestOptions noMerge;
    noMerge.sendCookies = "z=5";
    noMerge.mergeCookies = false;
    WebRequest(server.url("/"), noMerge);
    EXPECT_EQ(noMerge.receivedCookies, "a=1; b=2");
    EXPECT_EQ(noMerge.sendCookies, "z=5");
}

TEST(WebRequestResponse, headerBlockOver4999BytesBecomes5000Spaces) {
    // The block "HTTP/1.1 200 OK\r\nContent-Length: 0\r\nSet-Cookie: s=1\r\nX-Pad: ...\r\n\r\n" sized exactly.
    const std::string fixed = "HTTP/1.1 200 OK\r\nContent-Length: 0\r\nSet-Cookie: s=1\r\nX-Pad: \r\n\r\n";
    for (const std::size_t blockSize : {4999u, 5000u}) {
        const std::string pad(blockSize - fixed.size(), 'p');
        const std::string block =
            "HTTP/1.1 200 OK\r\nContent-Length: 0\r\nSet-Cookie: s=1\r\nX-Pad: " + pad + "\r\n\r\n";
        RawHttpServer server(RawHttpServer::reply(block));
        WebRequestOptions options;
        WebRequest(server.url("/"), options);
        if (blockSize == 4999) {
            EXPECT_EQ(options.responseHeaders, block);
            EXPECT_EQ(options.receivedCookies, "s=1");
        } else {
            EXPECT_EQ(options.responseHeaders, std::string(5000, ' '));
            EXPECT_EQ(options.receivedCookies, "");
        }
    }
}

TEST(WebRequestResponse, errorStatusIsAnAnswerForWebRequestButAFailureForFetchText) {
    const std::string page = "<html><body>404 Not Found</body></html>";
    RawHttpServer server(RawHttpServer::reply(
        "HTTP/1.1 404 Not Found\r\nContent-Length: " + std::to_string(page.size()) + "\r\n\r\n" + page));
    WebRequestOptions options;
    const WebResponse response = WebRequest(server.url("/douyin_ck.txt"), options);
    EXPECT_TRUE(response.completed());
    EXPECT_EQ(response.status, 404);
    EXPECT_EQ(response.body, page);
    EXPECT_EQ(FetchText(server.url("/douyin_ck.txt")), std::nullopt);
}

TEST(WebRequestResponse, wholeBodyInOrderAndFetchTextStopsAtNul) {
    std::string body(3000, '\0');
    for (std::size_t i = 0; i < body.size(); ++i) {
        body[i] = static_cast<char>('a' + i % 26);
    }
    body[2000] = '\0';
    RawHttpServer server(RawHttpServer::reply(okResponse(body)));
    WebRequestOptions options;
    EXPECT_EQ(WebRequest(server.url("/"), options).body, body);
    EXPECT_EQ(FetchText(server.url("/")), body.substr(0, 2000));
}

TEST(WebRequestResponse, redirectsAreFollowedUnlessNoRedirect) {
    RawHttpServer server([](int socket, const std::string& request) {
        if (request.starts_with("GET /old ")) {
            test::SendAll(socket, "HTTP/1.1 302 Found\r\nLocation: /new\r\nContent-Length: 5\r\n\r\nmoved");
        } else {
            test::SendAll(socket, okResponse("arrived"));
        }
    });
    WebRequestOptions stay;
    stay.noRedirect = true;
    const WebResponse answered = WebRequest(server.url("/old"), stay);
    EXPECT_EQ(answered.status, 302);
    EXPECT_EQ(answered.body, "moved");
    ASSERT_EQ(server.requests().size(), 1u);

    WebRequestOptions follow;
    const WebResponse followed = WebRequest(server.url("/old"), follow);
    EXPECT_EQ(followed.status, 200);
    EXPECT_EQ(followed.body, "arrived");
    ASSERT_EQ(server.requests().size(), 3u);
    EXPECT_TRUE(server.requests()[2].starts_with("GET /new HTTP/1.1\r\n"));
    EXPECT_TRUE(follow.responseHeaders->starts_with("HTTP/1.1 200 OK\r\n")) << *follow.responseHeaders;
}

TEST(WebRequestProxy, plainHttpGoesThroughTheHttpEntryAndHttpsTunnelsThroughTheBareOne) {
    RawHttpServer proxy(RawHttpServer::reply(okResponse("via proxy")));
    const std::string address = "127.0.0.1:" + std::to_string(proxy.port());

    WebRequestOptions http;
    http.proxy = address;
    EXPECT_EQ(WebRequest("http://srv.test/x", http).body, "via proxy");

    WebRequestOptions https;
    https.proxy = address;
    EXPECT_FALSE(WebRequest("https://srv.test/x", https).completed());

    const auto requests = proxy.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_TRUE(requests[0].starts_with("GET http://srv.test:80/x HTTP/1.1\r\n") ||
                requests[0].starts_with("GET http://srv.test/x HTTP/1.1\r\n"))
        << requests[0];
    EXPECT_TRUE(requests[1].starts_with("CONNECT srv.test:443 HTTP/1.1\r\n")) << requests[1];
}

TEST(WebRequestProxy, listFormNamesTheProxyPerScheme) {
    EXPECT_EQ(ProxyForScheme("127.0.0.1:8888", "https"), "127.0.0.1:8888");
    EXPECT_EQ(ProxyForScheme("http=127.0.0.1:8888", "http"), "127.0.0.1:8888");
    EXPECT_EQ(ProxyForScheme("http=127.0.0.1:8888", "https"), "");
    EXPECT_EQ(ProxyForScheme("a:1 https=b:2", "https"), "b:2");
    EXPECT_EQ(ProxyForScheme("a:1;http=c:3", "https"), "a:1");
    EXPECT_EQ(ProxyForScheme("", "http"), "");
}

// A proxy libcurl refuses (longer than its 8,000,000-byte limit for texts) used to be dropped silently, and the
// request went straight to the server past the proxy the caller named.
TEST(WebRequestRefusedOptions, proxyLibcurlRefusesFailsTheRequestInsteadOfGoingDirect) {
    RawHttpServer server(RawHttpServer::reply(okResponse("direct")));
    WebRequestOptions options;
    options.proxy = std::string(8'000'001, 'p');
    const WebResponse response = WebRequest(server.url("/douyin_ver.txt"), options);
    EXPECT_NE(response.failure.find("CURLOPT_PROXY"), std::string::npos) << response.failure;
    EXPECT_EQ(response.status, 0);
    EXPECT_TRUE(server.requests().empty());
}

struct FailureCase {
    const char* name;
    std::function<std::unique_ptr<RawHttpServer>()> makeServer; // null: nothing listens
    TransportSettings transport;
    std::string partialBody;
};

void PrintTo(const FailureCase& c, std::ostream* out) {
    *out << c.name;
}

class WebRequestFailures : public testing::TestWithParam<FailureCase> {};

TEST_P(WebRequestFailures, areToldApartFromAnswers) {
    const FailureCase& c = GetParam();
    const std::unique_ptr<RawHttpServer> server = c.makeServer ? c.makeServer() : nullptr;
    const std::string url = server ? server->url("/douyin_ck.txt")
                                   : "http://127.0.0.1:" + std::to_string(test::FreeLoopbackPort()) + "/douyin_ck.txt";
    WebRequestOptions options;
    const WebResponse response = WebRequest(url, options, c.transport);
    EXPECT_FALSE(response.completed());
    EXPECT_EQ(response.body, c.partialBody);
    EXPECT_EQ(FetchText(url, c.transport), std::nullopt);
}

TransportSettings shortTimeout() {
    TransportSettings transport;
    transport.totalTimeoutMs = 300;
    return transport;
}

TransportSettings smallBodyLimit() {
    TransportSettings transport;
    transport.maxBodyBytes = 1024;
    return transport;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, WebRequestFailures,
    testing::Values(
        FailureCase{"serverDown", nullptr, {}, ""},
        FailureCase{"slowerThanTimeout", [] { return std::make_unique<RawHttpServer>(RawHttpServer::silent()); },
                    shortTimeout(), ""},
        FailureCase{"cutMidBody",
                    [] {
                        return std::make_unique<RawHttpServer>(RawHttpServer::reply(
                            "HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n" + std::string(100, 'Q')));
                    },
                    {},
                    std::string(100, 'Q')},
        FailureCase{
            "declaredBodyOverLimit",
            [] { return std::make_unique<RawHttpServer>(RawHttpServer::reply(okResponse(std::string(3000, 'Q')))); },
            smallBodyLimit(), ""},
        FailureCase{"chunkedBodyOverLimit",
                    [] {
                        return std::make_unique<RawHttpServer>(
                            RawHttpServer::reply("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nbb8\r\n" +
                                                 std::string(3000, 'Q') + "\r\n0\r\n\r\n"));
                    },
                    smallBodyLimit(), ""}),
    [](const testing::TestParamInfo<FailureCase>& testInfo) { return std::string(testInfo.param.name); });

TEST(WebRequestFailures, headersOfAFailedExchangeAre5000Spaces) {
    WebRequestOptions options;
    WebRequest("http://127.0.0.1:" + std::to_string(test::FreeLoopbackPort()) + "/", options);
    EXPECT_EQ(options.responseHeaders, std::string(5000, ' '));
    EXPECT_EQ(options.receivedCookies, "");
}

TEST(WebRequestTls, redirectFromHttpsToPlainHttpIsRefused) {
    RawHttpServer plain(RawHttpServer::reply(okResponse("QUJD")));
    TestHttpsServer secure;
    secure.setHandler("/moved", [&plain](const httplib::Request&, httplib::Response& response) {
        response.set_redirect(plain.url("/douyin_ck.txt"));
    });
    EXPECT_EQ(FetchText(secure.baseUrl() + "moved", trustingTestCa()), std::nullopt);
    EXPECT_TRUE(plain.requests().empty());
}

#endif // _WIN32

TEST(WebRequestTls, verifiedServerAnswersOverHttp11WithDefaultHeaders) {
    TestHttpsServer server;
    std::string version;
    httplib::Headers headers;
    server.setHandler("/probe", [&](const httplib::Request& request, httplib::Response& response) {
        version = request.version;
        headers = request.headers;
        response.set_content("seen", "text/plain");
    });
    const std::string url = server.baseUrl() + "probe";

    EXPECT_EQ(FetchText(url, trustingTestCa()), "seen");
    EXPECT_EQ(version, "HTTP/1.1");
    const auto header = [&headers](const char* name) {
        const auto hit = headers.find(name);
        return hit == headers.end() ? std::string("(none)") : hit->second;
    };
    EXPECT_EQ(header("User-Agent"), DefaultUserAgent);
    EXPECT_EQ(header("Accept"), "*/*");
    EXPECT_EQ(header("Referer"), url);
    EXPECT_EQ(header("Accept-Language"), "zh-cn");
}

TEST(WebRequestTls, redirectWithinHttpsIsFollowed) {
    TestHttpsServer server;
    server.setResponse("/douyin_ver.txt", 200, "7");
    server.setHandler("/old", [&server](const httplib::Request&, httplib::Response& response) {
        response.set_redirect(server.baseUrl() + "douyin_ver.txt");
    });
    EXPECT_EQ(FetchText(server.baseUrl() + "old", trustingTestCa()), "7");
}

// No Accept-Encoding goes out, so only an unencoded answer is the resource; an encoded one is a failed request
// that still hands over what arrived.
#ifndef _WIN32
// A window waiting on a silent server must keep painting: the wait callback runs all along, not once a second.
TEST(WebRequestWaiting, theWaitCallbackRunsWhileASilentServerHoldsTheRequest) {
    RawHttpServer silent(RawHttpServer::silent());
    TransportSettings transport = shortTimeout();
    int calls = 0;
    transport.whileWaiting = [&calls] { ++calls; };
    WebRequestOptions options;
    const WebResponse response = WebRequest(silent.url("/douyin_ver.txt"), options, transport);
    EXPECT_FALSE(response.completed());
    EXPECT_GE(calls, 5) << "300 ms of waiting in slices of 16 ms";
}

TEST(WebRequestWaiting, anAnswerArrivesThroughTheWaitingLoopUnchanged) {
    RawHttpServer server(RawHttpServer::reply("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello"));
    TransportSettings transport;
    transport.whileWaiting = [] {};
    WebRequestOptions options;
    const WebResponse response = WebRequest(server.url("/x"), options, transport);
    EXPECT_TRUE(response.completed()) << response.failure;
    EXPECT_EQ(response.status, 200);
    EXPECT_EQ(response.body, "hello");
}
#endif

TEST(WebRequestTls, encodedAnswersAreFailedRequests) {
    TestHttpsServer server;
    const auto answer = [](std::string coding) {
        return [coding](const httplib::Request&, httplib::Response& response) {
            response.set_header("Content-Encoding", coding);
            response.set_content("\x1f\x8b\x08", "text/plain");
        };
    };
    server.setHandler("/identity", answer("identity"));
    server.setHandler("/gzip", answer("gzip"));
    server.setHandler("/br", answer("identity, br"));
    EXPECT_EQ(FetchText(server.baseUrl() + "identity", trustingTestCa()), "\x1f\x8b\x08");
    for (const char* path : {"gzip", "br"}) {
        EXPECT_EQ(FetchText(server.baseUrl() + path, trustingTestCa()), std::nullopt) << path;
        WebRequestOptions options;
        const WebResponse response = WebRequest(server.baseUrl() + path, options, trustingTestCa());
        EXPECT_FALSE(response.completed()) << path;
        EXPECT_EQ(response.body, "\x1f\x8b\x08") << path;
    }
}

// libcurl refuses any text longer than 8,000,000 bytes. A refused CA bundle used to end in a certificate error that
// blamed the server.
TEST(WebRequestRefusedOptions, caBundleLibcurlRefusesFailsTheRequestNamingTheOption) {
    TestHttpsServer server;
    server.setResponse("/douyin_ver.txt", 200, "7");
    test::TempDir dir;
    dir.write("ca.pem", ReadWholeFile(TestCertificates::trustedCa()) + std::string(8'000'000, '\n'));
    TransportSettings transport;
    transport.caFile = (dir / "ca.pem").string();
    WebRequestOptions options;
    const WebResponse response = WebRequest(server.baseUrl() + "douyin_ver.txt", options, transport);
    EXPECT_NE(response.failure.find("CURLOPT_CAINFO_BLOB"), std::string::npos) << response.failure;
    EXPECT_TRUE(server.requests().empty());
}

// A limit beyond libcurl's signed size would wrap negative and be refused; it means no limit, as it always did.
TEST(WebRequestRefusedOptions, bodyLimitBeyondLibcurlsRangeIsNoLimit) {
    TestHttpsServer server;
    server.setResponse("/douyin_ver.txt", 200, "7");
    TransportSettings transport = trustingTestCa();
    transport.maxBodyBytes = std::numeric_limits<std::size_t>::max();
    EXPECT_EQ(FetchText(server.baseUrl() + "douyin_ver.txt", transport), "7");
}

struct TlsCase {
    const char* name;
    std::string certFile;
    std::string keyFile;
    std::string caFile;
};

void PrintTo(const TlsCase& c, std::ostream* out) {
    *out << c.name;
}

class WebRequestTlsRefusals : public testing::TestWithParam<TlsCase> {};

TEST_P(WebRequestTlsRefusals, unverifiableServersGiveNoText) {
    const TlsCase& c = GetParam();
    TestHttpsServer server(c.certFile, c.keyFile);
    server.setResponse("/douyin_ver.txt", 200, "7");
    TransportSettings transport;
    transport.caFile = c.caFile;
    WebRequestOptions options;
    const WebResponse response = WebRequest(server.baseUrl() + "douyin_ver.txt", options, transport);
    EXPECT_FALSE(response.completed());
    EXPECT_EQ(response.body, "");
    EXPECT_EQ(FetchText(server.baseUrl() + "douyin_ver.txt", transport), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Certificates, WebRequestTlsRefusals,
    testing::Values(TlsCase{"untrustedCa", TestCertificates::untrustedCert(), TestCertificates::untrustedKey(),
                            TestCertificates::trustedCa()},
                    TlsCase{"systemStoreOnly", TestCertificates::serverCert(), TestCertificates::serverKey(), ""},
                    TlsCase{"wrongHostName", TestCertificates::wrongHostCert(), TestCertificates::wrongHostKey(),
                            TestCertificates::trustedCa()},
                    TlsCase{"unreadableCaFile", TestCertificates::serverCert(), TestCertificates::serverKey(),
                            TestCertificates::dir() + "/missing.pem"}),
    [](const testing::TestParamInfo<TlsCase>& testInfo) { return std::string(testInfo.param.name); });

} // namespace
} // namespace qingtan
