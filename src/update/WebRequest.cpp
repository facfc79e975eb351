#include "WebRequest.h"

#include "FileHelpers.h"
#include "TextUtilities.h"
#include "WebTextUtilities.h"

#include <curl/curl.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <memory>

namespace qingtan {
namespace {

constexpr std::array<std::string_view, 8> kVerbs{"GET", "POST", "HEAD", "PUT", "OPTIONS", "DELETE", "TRACE", "CONNECT"};
constexpr std::size_t kResponseHeaderCapacity = 5000;

struct CurlDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using CurlHandle = std::unique_ptr<CURL, CurlDeleter>;
using HeaderList = std::unique_ptr<curl_slist, CurlDeleter>;

// libcurl wants one global initialisation before the first handle; a function-local static runs it exactly once,
// also when several threads make their first request together.
bool initialiseCurl() {
    static const bool ok = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return ok;
}

bool containsIgnoringCase(std::string_view text, std::string_view needle) {
    return FindText(text, needle, 1, true) != -1;
}

AnsiText chooseAgent(const AnsiText& headers) {
    if (!containsIgnoringCase(headers, "User-Agent:")) {
        return AnsiText(DefaultUserAgent);
    }
    AnsiText agent = TrimBlanks(TextBetween(headers + "\r\n", "User-Agent:", "\r\n"));
    return agent.empty() ? TextAfterColon(headers) : agent;
}

void completeDefaultHeaders(AnsiText& headers, const AnsiText& url, HttpMethod method) {
    if (headers.empty()) {
        headers = "Accept: */*";
    }
    if (!containsIgnoringCase(headers, "Accept:")) {
        headers += "\r\nAccept: */*";
    }
    if (!containsIgnoringCase(headers, "Referer:")) {
        headers += "\r\nReferer: " + url;
    }
    if (!containsIgnoringCase(headers, "Accept-Language:")) {
        headers += "\r\nAccept-Language: zh-cn";
    }
    if (method == HttpMethod::Post && !containsIgnoringCase(headers, "Content-Type:")) {
        headers += "\r\nContent-Type: application/x-www-form-urlencoded";
    }
}

// The header text as libcurl's list. libcurl adds Accept, Expect and Content-Type lines of its own unless told not
// to; an entry "Name:" removes them, so only the lines of the header text go out. A line "Name:" with nothing after
// the colon is written "Name;", libcurl's form for sending an empty value.
HeaderList toHeaderList(const AnsiText& headers) {
    curl_slist* list = nullptr;
    const auto add = [&list](const std::string& line) {
        if (curl_slist* grown = curl_slist_append(list, line.c_str())) {
            list = grown;
        }
    };
    for (const AnsiText& line : SplitKeepingEmpty(headers, "\r\n")) {
        const std::size_t colon = line.find(':');
        if (colon != std::string::npos && TrimBlanks(std::string_view(line).substr(colon + 1)).empty()) {
            add(line.substr(0, colon) + ";");
        } else if (!line.empty()) {
            add(line);
        }
    }
    for (const char* internal : {"Accept:", "Expect:", "Content-Type:"}) {
        if (!containsIgnoringCase(headers, internal)) {
            add(internal);
        }
    }
    return HeaderList(list);
}

void addCookieLine(AnsiText& headers, const AnsiText& sendCookies) {
    if (!sendCookies.empty()) {
        headers += FindText(sendCookies, "Cookie:") != -1 ? "\r\n" + sendCookies : "\r\nCookie: " + sendCookies;
    }
}

// The body goes with every verb but GET; postBytes receives postText's bytes when it has none of its own.
ByteBuffer requestBody(HttpMethod method, WebRequestOptions& options) {
    if (method == HttpMethod::Get) {
        return {};
    }
    if (!options.postBytes || options.postBytes->empty()) {
        options.postBytes = options.postText.value_or(AnsiText());
    }
    return *options.postBytes;
}

// An empty proxy text means a direct connection, whatever the environment's proxy variables say.
std::string proxyFor(const AnsiText& proxyText, bool https) {
    if (proxyText.empty()) {
        return {};
    }
    return ProxyForScheme(https ? proxyText : "http=" + proxyText, https ? "https" : "http");
}

// What goes out, worked out from the caller's inputs before libcurl sees any of it.
struct PreparedRequest {
    HttpMethod method = HttpMethod::Get;
    bool https = false;
    std::string target; // the URL libcurl gets
    AnsiText agent;
    HeaderList headers;
    ByteBuffer body;
    std::string proxy; // empty: a direct connection
    bool followRedirects = true;
    bool keepCookiesAcrossRedirects = true;
};

// Completes the caller's inputs and writes back the header text and body that go out (extraHeaders, postBytes).
PreparedRequest prepareRequest(const AnsiText& url, WebRequestOptions& options) {
    PreparedRequest request;
    const int method = options.method.value_or(0);
    request.method = method < 0 || method > 7 ? HttpMethod::Get : static_cast<HttpMethod>(method);
    request.https = AsciiLower(std::string_view(url).substr(0, 8)) == "https://";
    // libcurl gets the URL rebuilt from UrlHost, UrlPort and UrlPath, so host, port and path on the wire are the
    // ones those operations give (a URL without scheme is plain http, the path goes out unchanged).
    request.target =
        (request.https ? "https://" : "http://") + UrlHost(url) + ":" + std::to_string(UrlPort(url)) + UrlPath(url);

    AnsiText headers = options.extraHeaders.value_or(AnsiText());
    if (options.capitalizeHeaderNames.value_or(true)) {
        headers = CapitalizeHeaderNames(headers);
    }
    // The agent comes from the caller's own lines, before the defaults and the cookies join them.
    request.agent = chooseAgent(headers);
    if (options.completeHeaders.value_or(true)) {
        completeDefaultHeaders(headers, url, request.method);
    }
    addCookieLine(headers, options.sendCookies.value_or(AnsiText()));
    options.extraHeaders = headers;
    request.headers = toHeaderList(headers);

    request.body = requestBody(request.method, options);
    request.proxy = proxyFor(options.proxy.value_or(AnsiText()), request.https);
    request.followRedirects = !options.noRedirect.value_or(false);
    request.keepCookiesAcrossRedirects = !options.sendCookies;
    return request;
}

// What libcurl writes into and reads from while it transfers; it stays in place until the transfer ends.
struct Transfer {
    ByteBuffer body;
    std::size_t maxBody = 0;
    bool overLimit = false;
    std::string headerBlock; // of the latest response, lines normalised to CR LF
    bool headerBlockComplete = false;
    std::array<char, CURL_ERROR_SIZE> errorText{};
    std::string caBundle; // handed to libcurl without a copy; empty: the system's store alone
};

std::size_t onBody(char* data, std::size_t size, std::size_t count, void* user) {
    auto* transfer = static_cast<Transfer*>(user);
    const std::size_t bytes = size * count;
    if (bytes > transfer->maxBody - transfer->body.size()) {
        transfer->overLimit = true;
        return 0; // makes libcurl end the transfer with a write error
    }
    transfer->body.append(data, bytes);
    return bytes;
}

std::size_t onHeader(char* data, std::size_t size, std::size_t count, void* user) {
    auto* transfer = static_cast<Transfer*>(user);
    const std::size_t bytes = size * count;
    std::string_view line(data, bytes);
    // A status line starts the headers of a new response (a redirect hop or an interim 1xx): only the final
    // response's headers are kept.
    if (line.starts_with("HTTP/")) {
        transfer->headerBlock.clear();
        transfer->headerBlockComplete = false;
    }
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
        line.remove_suffix(1);
    }
    transfer->headerBlock.append(line).append("\r\n");
    if (line.empty()) {
        transfer->headerBlockComplete = true;
    }
    return bytes;
}

// The option by libcurl's own name, so the text matches its documentation.
std::string refusalText(CURLoption option, CURLcode code) {
    const curl_easyoption* known = curl_easy_option_by_id(option);
    const std::string name =
        known != nullptr ? "CURLOPT_" + std::string(known->name) : "option " + std::to_string(static_cast<int>(option));
    return "the HTTP client refused " + name + " (" + curl_easy_strerror(code) + ")";
}

// Sets libcurl options in turn and keeps the first one libcurl refuses, leaving the rest unset. A refused option
// leaves the request other than asked for (unverified, without a limit, open to other protocols), so the caller
// sends nothing then.
class CurlOptions {
public:
    explicit CurlOptions(CURL* curl) : m_curl(curl) {}

    template <typename Value>
    void set(CURLoption option, Value value) {
        if (m_refusal) {
            return;
        }
        if (const CURLcode code = curl_easy_setopt(m_curl, option, value); code != CURLE_OK) {
            m_refusal = refusalText(option, code);
        }
    }

    const std::optional<std::string>& refusal() const { return m_refusal; }

private:
    CURL* m_curl;
    std::optional<std::string> m_refusal;
};

void setMethodOptions(CurlOptions& options, const PreparedRequest& request) {
    switch (request.method) {
    case HttpMethod::Get:
        options.set(CURLOPT_HTTPGET, 1L);
        break;
    case HttpMethod::Head:
        // libcurl sends no body with HEAD and must not wait for one in the answer.
        options.set(CURLOPT_NOBODY, 1L);
        break;
    default:
        options.set(CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request.body.size()));
        options.set(CURLOPT_POSTFIELDS, request.body.data());
        if (request.method != HttpMethod::Post) {
            options.set(CURLOPT_CUSTOMREQUEST, kVerbs[static_cast<std::size_t>(request.method)].data());
        }
        break;
    }
}

void setRequestOptions(CurlOptions& options, const PreparedRequest& request) {
    options.set(CURLOPT_URL, request.target.c_str());
    options.set(CURLOPT_PATH_AS_IS, 1L);
    options.set(CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
    options.set(CURLOPT_PROTOCOLS_STR, "http,https");
    options.set(CURLOPT_USERAGENT, request.agent.c_str());
    options.set(CURLOPT_HTTPHEADER, request.headers.get());
    options.set(CURLOPT_PROXY, request.proxy.c_str());
    options.set(CURLOPT_NOPROXY, "");
    options.set(CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
    // With cookies of its own the caller handles cookies; otherwise cookies set during redirects are kept for the
    // later hops of this one call.
    if (request.keepCookiesAcrossRedirects) {
        options.set(CURLOPT_COOKIEFILE, "");
    }
    setMethodOptions(options, request);
}

void setTransferOptions(CurlOptions& options, const TransportSettings& transport, Transfer& transfer) {
    options.set(CURLOPT_NOSIGNAL, 1L);
    options.set(CURLOPT_ERRORBUFFER, transfer.errorText.data());
    options.set(CURLOPT_WRITEFUNCTION, onBody);
    options.set(CURLOPT_WRITEDATA, &transfer);
    options.set(CURLOPT_HEADERFUNCTION, onHeader);
    options.set(CURLOPT_HEADERDATA, &transfer);
    options.set(CURLOPT_CONNECTTIMEOUT_MS, transport.connectTimeoutMs);
    options.set(CURLOPT_TIMEOUT_MS, transport.totalTimeoutMs);
    // A limit beyond curl_off_t would wrap negative, which libcurl refuses; one that large is no limit anyway.
    options.set(CURLOPT_MAXFILESIZE_LARGE,
                static_cast<curl_off_t>(std::min<std::uintmax_t>(
                    transport.maxBodyBytes, static_cast<std::uintmax_t>(std::numeric_limits<curl_off_t>::max()))));
}

// Redirects are followed, but one from https may only lead to https: a plain-http hop would hand the word library
// to anyone on the path.
void setRedirectOptions(CurlOptions& options, const PreparedRequest& request) {
    options.set(CURLOPT_FOLLOWLOCATION, request.followRedirects ? 1L : 0L);
    options.set(CURLOPT_MAXREDIRS, 20L);
    options.set(CURLOPT_REDIR_PROTOCOLS_STR, request.https ? "https" : "http,https");
}

// The system's CA bundle followed by the extra one, so the extra CA is trusted in addition to, not instead of, the
// system's. Empty when the extra file cannot be read.
std::string caBundleWith(CURL* handle, const std::string& extraFile) {
    const ByteBuffer extra = ReadWholeFile(PathFromUtf8(extraFile));
    if (extra.empty()) {
        return {};
    }
    std::string bundle;
    char* systemFile = nullptr;
    if (curl_easy_getinfo(handle, CURLINFO_CAINFO, &systemFile) == CURLE_OK && systemFile != nullptr) {
        bundle = ReadWholeFile(systemFile);
    }
    return bundle + "\n" + extra;
}

void setTlsOptions(CurlOptions& options, Transfer& transfer) {
    options.set(CURLOPT_SSL_VERIFYPEER, 1L);
    options.set(CURLOPT_SSL_VERIFYHOST, 2L);
    if (!transfer.caBundle.empty()) {
        curl_blob blob{transfer.caBundle.data(), transfer.caBundle.size(), CURL_BLOB_NOCOPY};
        options.set(CURLOPT_CAINFO_BLOB, &blob);
    }
#ifdef _WIN32
    // Windows keeps its trusted roots in its own store rather than in a bundle file.
    options.set(CURLOPT_SSL_OPTIONS, static_cast<long>(CURLSSLOPT_NATIVE_CA));
#endif
}

// Why libcurl refused one of the options, or nothing when it took them all.
std::optional<std::string> configureTransfer(CURL* curl, const PreparedRequest& request,
                                             const TransportSettings& transport, Transfer& transfer) {
    CurlOptions options(curl);
    setRequestOptions(options, request);
    setTransferOptions(options, transport, transfer);
    setRedirectOptions(options, request);
    setTlsOptions(options, transfer);
    return options.refusal();
}

AnsiText cookiesFrom(const AnsiText& responseHeaders) {
    AnsiText cookies;
    for (const AnsiText& line : SplitKeepingEmpty(responseHeaders, "\r\n")) {
        if (TextBefore(line, ": ") != "Set-Cookie") {
            continue;
        }
        AnsiText cookie;
        if (FindText(line, ";") != -1) {
            cookie = TrimBlanks(TextBetween(line, "Set-Cookie:", ";"));
        } else {
            AnsiText rest = line;
            for (int at; (at = FindText(rest, "Set-Cookie:", 1, true)) != -1;) {
                rest.erase(static_cast<std::size_t>(at - 1), std::string_view("Set-Cookie:").size());
            }
            cookie = TrimBlanks(rest);
        }
        cookies.append(cookie).append("; ");
    }
    cookies.resize(cookies.size() >= 2 ? cookies.size() - 2 : 0);
    return cookies;
}

// The request asks for no encoding, so a body the server encoded anyway (gzip, say) is not the resource: stored as
// it came, it would read as three bytes of gzip header for ever. Transfer codings other than chunked likewise.
std::optional<std::string> unrequestedEncoding(const std::string& headerBlock) {
    for (const AnsiText& line : SplitKeepingEmpty(headerBlock, "\r\n")) {
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos) {
            continue;
        }
        const AnsiText name = AsciiLower(TrimBlanks(std::string_view(line).substr(0, colon)));
        if (name != "content-encoding" && name != "transfer-encoding") {
            continue;
        }
        for (const AnsiText& coding : SplitKeepingEmpty(AsciiLower(line.substr(colon + 1)), ",")) {
            const AnsiText trimmed = TrimBlanks(coding);
            if (!trimmed.empty() && trimmed != "identity" && !(name == "transfer-encoding" && trimmed == "chunked")) {
                return "the answer is encoded (" + name + ": " + trimmed + ") although no encoding was asked for";
            }
        }
    }
    return std::nullopt;
}

std::string exchangeFailure(CURLcode result, const Transfer& transfer, std::size_t maxBody) {
    if (transfer.overLimit || result == CURLE_FILESIZE_EXCEEDED) {
        return "the body is larger than " + std::to_string(maxBody) + " bytes";
    }
    if (result != CURLE_OK) {
        return transfer.errorText[0] != '\0' ? transfer.errorText.data() : curl_easy_strerror(result);
    }
    return unrequestedEncoding(transfer.headerBlock).value_or(std::string());
}

// The final response's header block, or 5000 blanks when it did not arrive whole or does not fit; the cookies it
// set, merged with the sent ones unless the caller asked not to.
void storeHeadersAndCookies(Transfer& transfer, WebRequestOptions& options) {
    if (transfer.headerBlockComplete && transfer.headerBlock.size() < kResponseHeaderCapacity) {
        options.responseHeaders = std::move(transfer.headerBlock);
    } else {
        options.responseHeaders = AnsiText(kResponseHeaderCapacity, ' ');
    }
    AnsiText received = cookiesFrom(*options.responseHeaders);
    if (options.mergeCookies.value_or(true) && options.sendCookies) {
        received = MergeCookies(*options.sendCookies, received);
    }
    options.receivedCookies = std::move(received);
}

WebResponse readResponse(CURL* curl, CURLcode result, Transfer& transfer, std::size_t maxBody,
                         WebRequestOptions& options) {
    WebResponse response;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &response.status);
    response.failure = exchangeFailure(result, transfer, maxBody);
    response.body = std::move(transfer.body);
    storeHeadersAndCookies(transfer, options);
    return response;
}

WebResponse failedRequest(std::string failure) {
    WebResponse response;
    response.failure = std::move(failure);
    return response;
}

constexpr int kWaitSliceMs = 16; // about one frame

// The transfer. With a wait callback it runs on libcurl's multi interface in slices of a frame, calling back
// between them: its progress callback comes only about once a second while a server stays silent.
CURLcode perform(CURL* handle, const std::function<void()>& whileWaiting) {
    if (!whileWaiting) {
        return curl_easy_perform(handle);
    }
    const std::unique_ptr<CURLM, decltype(&curl_multi_cleanup)> multi(curl_multi_init(), curl_multi_cleanup);
    if (!multi || curl_multi_add_handle(multi.get(), handle) != CURLM_OK) {
        return CURLE_OUT_OF_MEMORY;
    }
    CURLcode result = CURLE_RECV_ERROR;
    for (int running = 1; running > 0;) {
        if (curl_multi_perform(multi.get(), &running) != CURLM_OK) {
            break;
        }
        if (running > 0) {
            if (curl_multi_poll(multi.get(), nullptr, 0, kWaitSliceMs, nullptr) != CURLM_OK) {
                break;
            }
            whileWaiting();
        }
    }
    int left = 0;
    while (const CURLMsg* message = curl_multi_info_read(multi.get(), &left)) {
        if (message->msg == CURLMSG_DONE && message->easy_handle == handle) {
            result = message->data.result;
        }
    }
    curl_multi_remove_handle(multi.get(), handle);
    return result;
}

} // namespace

std::string ProxyForScheme(std::string_view proxyList, std::string_view scheme) {
    std::string bare;
    std::size_t pos = 0;
    while (pos < proxyList.size()) {
        const std::size_t end = std::min(proxyList.find_first_of(" ;\t", pos), proxyList.size());
        const std::string_view entry = proxyList.substr(pos, end - pos);
        pos = end + 1;
        if (entry.empty()) {
            continue;
        }
        const std::size_t equals = entry.find('=');
        if (equals == std::string_view::npos) {
            if (bare.empty()) {
                bare = entry;
            }
        } else if (AsciiLower(entry.substr(0, equals)) == AsciiLower(scheme)) {
            return std::string(entry.substr(equals + 1));
        }
    }
    return bare;
}

WebResponse WebRequest(const AnsiText& url, WebRequestOptions& options, const TransportSettings& transport) {
    const PreparedRequest request = prepareRequest(url, options);
    const CurlHandle handle(initialiseCurl() ? curl_easy_init() : nullptr);
    if (!handle) {
        return failedRequest("the HTTP client could not be initialised");
    }
    Transfer transfer;
    transfer.maxBody = transport.maxBodyBytes;
    if (!transport.caFile.empty()) {
        transfer.caBundle = caBundleWith(handle.get(), transport.caFile);
        if (transfer.caBundle.empty()) {
            return failedRequest("the CA file " + transport.caFile + " cannot be read");
        }
    }
    if (std::optional<std::string> refusal = configureTransfer(handle.get(), request, transport, transfer)) {
        return failedRequest(std::move(*refusal));
    }
    const CURLcode result = perform(handle.get(), transport.whileWaiting);
    return readResponse(handle.get(), result, transfer, transport.maxBodyBytes, options);
}

std::optional<AnsiText> FetchText(const AnsiText& url, const TransportSettings& transport) {
    WebRequestOptions options;
    const WebResponse response = WebRequest(url, options, transport);
    if (!response.completed() || response.status < 200 || response.status > 299) {
        return std::nullopt;
    }
    return AnsiFromBuffer(response.body);
}

} // namespace qingtan
