#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

namespace tavimor {

class StopSignal;

// How long the exchange may wait before it counts as a connection failure.
struct ExchangeLimits {
    std::chrono::seconds connectTimeout{30};  // to establish the connection
    std::chrono::seconds stallTimeout{60};    // with no byte of the reply arriving
    // For the whole exchange: a reply that trickles in a byte at a time never
    // stalls, so without this limit such a service could keep the window
    // waiting until the user stops it.
    std::chrono::seconds totalTimeout{300};
};

// What became of one POST. Any failure to resolve, connect, send or read the
// reply to its end counts; the HTTP status of a reply that did arrive is not
// examined.
struct HttpPostResult {
    bool failed = false;
    bool stopped = false;     // failed because the exchange was asked to stop
    std::string errorDetail;  // the HTTP client's words, for diagnostics only
};

// Receives the reply body piece by piece as it arrives; the view is valid
// only during the call. If it throws, the transfer is cut off and failed.
using ReplyBodySink = std::function<void(std::string_view piece)>;

// True when `hostAndPort` is a plain host name, IPv4 address or bracketed
// IPv6 address, optionally followed by ":port" (1 to 65535). Anything else
// (user info, a path, spaces) could change where the request goes.
bool isValidHostAndPort(std::string_view hostAndPort);

// One blocking HTTP/1.1 POST of `body` to `path` on `hostAndPort` (port 80
// when none is given), through the HTTP module, which the first call loads
// (see http_module.h); when it cannot be loaded the POST fails, saying why. Sends Host,
// "Content-Type: application/x-www-form-urlencoded", Content-Length and "User-Agent: Tavimor" and
// nothing else: no Accept, no Expect, no Referer, no cookies. Goes through the proxy named by the
// usual proxy environment variables, follows no redirect, gives up when connecting takes longer
// than `limits.connectTimeout`, when no byte moves for `limits.stallTimeout`, or when the whole
// exchange takes longer than `limits.totalTimeout`, or at once when `stop` (if given) is stopped
// from another thread; the service may have received the request by then. Installs no signal
// handlers, so it may run on any thread.
HttpPostResult PostForm(std::string_view hostAndPort, std::string_view path, std::string_view body,
                        const ExchangeLimits& limits, const ReplyBodySink& onBody,
                        StopSignal* stop = nullptr);

}  // namespace tavimor
