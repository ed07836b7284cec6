#include "core/endpoints.h"

#include <charconv>

namespace tolva {

Endpoint ParseEndpoint(const std::string& text, const std::string& defaultHost, int defaultPort) {
    if (text.empty()) return {defaultHost, defaultPort};
    Endpoint endpoint{text, defaultPort};
    // "[::1]:2525" keeps its brackets out of the host; a bare IPv6 address has no port.
    if (text.front() == '[') {
        const auto close = text.find(']');
        if (close == std::string::npos) return {text, defaultPort};
        endpoint.host = text.substr(1, close - 1);
        if (close + 1 < text.size() && text[close + 1] == ':') {
            int port = 0;
            const char* first = text.data() + close + 2;
            const char* last = text.data() + text.size();
            auto [ptr, ec] = std::from_chars(first, last, port);
            if (ec == std::errc() && ptr == last && port > 0 && port < 65536) endpoint.port = port;
        }
        return endpoint;
    }
    const auto colon = text.rfind(':');
    if (colon != std::string::npos && text.find(':') == colon) {
        endpoint.host = text.substr(0, colon);
        int port = 0;
        const char* first = text.data() + colon + 1;
        const char* last = text.data() + text.size();
        auto [ptr, ec] = std::from_chars(first, last, port);
        if (ec == std::errc() && ptr == last && port > 0 && port < 65536) endpoint.port = port;
    }
    if (endpoint.host.empty()) endpoint.host = defaultHost;
    return endpoint;
}

}  // namespace tolva
