#include <charconv>
#include <string_view>

#include "submit/http_exchange.h"

namespace tavimor {
namespace {

bool isHostNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.';
}

bool isIPv6Char(char c) {
    return (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f') || (c >= '0' && c <= '9') || c == ':' ||
           c == '.';
}

}  // namespace

bool isValidHostAndPort(std::string_view hostAndPort) {
    std::string_view host = hostAndPort;
    std::string_view port;
    if (host.starts_with('[')) {
        const std::size_t close = host.find(']');
        if (close == std::string_view::npos || close == 1) return false;
        for (char c : host.substr(1, close - 1)) {
            if (!isIPv6Char(c)) return false;
        }
        port = host.substr(close + 1);
        if (!port.empty() && !port.starts_with(':')) return false;
        host = host.substr(0, close + 1);
    } else {
        const std::size_t colon = host.find(':');
        if (colon != std::string_view::npos) {
            port = host.substr(colon);
            host = host.substr(0, colon);
        }
        if (host.empty() || host.size() > 253) return false;
        for (char c : host) {
            if (!isHostNameChar(c)) return false;
        }
        if (host.starts_with('-') || host.starts_with('.')) return false;
    }
    if (port.empty()) return true;
    port.remove_prefix(1);  // the ':'
    if (port.empty() || port.size() > 5) return false;
    unsigned number = 0;
    const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), number);
    return error == std::errc() && end == port.data() + port.size() && number >= 1 &&
           number <= 65535;
}

}  // namespace tavimor
