#pragma once

#include "TextTypes.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace qingtan {

// Request verbs by index; an index outside 0..7 means GET.
enum class HttpMethod : int { Get = 0, Post = 1, Head = 2, Put = 3, Options = 4, Delete = 5, Trace = 6, Connect = 7 };

inline constexpr std::string_view DefaultUserAgent = "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";

// The optional inputs and outputs of WebRequest. An absent member was not supplied by the caller, which matters for
// the three switches at the end (absent = true) and for sendCookies (supplied, even empty, turns the client's own
// cookie handling off and asks for the merge).
struct WebRequestOptions {
    std::optional<int> method;                 // HttpMethod index
    std::optional<AnsiText> postText;          // the body when postBytes is empty
    std::optional<AnsiText> sendCookies;       // in/out: "a=1; b=2"; after a merge it holds the merged list
    std::optional<AnsiText> receivedCookies;   // out: the cookies the final response set, "a=1; b=2"
    std::optional<AnsiText> extraHeaders;      // in/out: request header lines joined by CR LF; then the text sent
    std::optional<AnsiText> responseHeaders;   // out: status line and header lines, each ended by CR LF, then CR LF
    std::optional<bool> noRedirect;            // answer redirects instead of following them
    std::optional<ByteBuffer> postBytes;       // in/out: the body; takes postText's bytes when empty
    std::optional<AnsiText> proxy;             // "host:port" for every scheme, "http=host:port" and the like
    std::optional<bool> mergeCookies;          // merge sendCookies into receivedCookies
    std::optional<bool> completeHeaders;       // add Accept, Referer, Accept-Language (and Content-Type for POST)
    std::optional<bool> capitalizeHeaderNames; // normalise extraHeaders' names first
};

// How long to wait and whom to trust. The defaults keep a dead or hostile server from holding the program up or
// filling its memory.
struct TransportSettings {
    std::string caFile; // path (UTF-8) of a PEM bundle trusted besides the system's store; empty = system only
    long connectTimeoutMs = 10000;
    long totalTimeoutMs = 30000;
    std::size_t maxBodyBytes = std::size_t{64} << 20;
    // Called about every 16 ms while the exchange waits on the network, so a window can keep painting; may be empty.
    std::function<void()> whileWaiting;
};

struct WebResponse {
    ByteBuffer body;     // what arrived; only a part of it when the exchange failed midway
    long status = 0;     // status code of the final response; 0 when none arrived
    std::string failure; // why it failed (connection, TLS, time-out, size, a refused option); empty when it completed

    bool completed() const { return failure.empty(); }
};

// One synchronous HTTP/1.1 exchange. Certificates and host names are verified, redirects are followed (never from
// https to http) unless noRedirect, and any HTTP status counts as an answer. When libcurl refuses one of the
// settings, nothing is sent and the request has failed. Never throws.
WebResponse WebRequest(const AnsiText& url, WebRequestOptions& options, const TransportSettings& transport = {});

// A GET of `url` with every option left out: the body up to its first NUL byte, or nothing when the request failed
// or the status was outside 200-299, so an error page is never taken for the resource.
std::optional<AnsiText> FetchText(const AnsiText& url, const TransportSettings& transport = {});

// The proxy that a proxy list ("host:port" for every scheme, "scheme=host:port" for one, entries separated by
// blanks or ";") names for `scheme`; a scheme's own entry wins over a bare one. Empty means a direct connection.
std::string ProxyForScheme(std::string_view proxyList, std::string_view scheme);

} // namespace qingtan
