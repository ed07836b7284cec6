#include "core/update/http_download.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "core/text/cp1252.h"

namespace tolva {
namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    return true;
}

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

/// The end of the header: the first empty line, written CR LF or (leniently) LF alone. Returns
/// where the header's text ends and where the body begins, or nothing while it has not arrived.
std::optional<std::pair<std::size_t, std::size_t>> FindHeaderEnd(std::string_view buffer) {
    for (std::size_t lf = buffer.find('\n'); lf != std::string_view::npos;
         lf = buffer.find('\n', lf + 1)) {
        if (lf + 1 < buffer.size() && buffer[lf + 1] == '\n') return std::pair{lf, lf + 2};
        if (lf + 2 < buffer.size() && buffer[lf + 1] == '\r' && buffer[lf + 2] == '\n')
            return std::pair{lf, lf + 3};
    }
    return std::nullopt;
}

/// A decimal number made of digits only; nothing when empty, signed, or beyond 64 bits.
std::optional<std::int64_t> ReadDecimal(std::string_view text) {
    if (text.empty()) return std::nullopt;
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.front() == '-')
        return std::nullopt;
    return value;
}

}  // namespace

std::optional<HttpAddress> ParseHttpAddress(std::string_view text) {
    constexpr std::string_view scheme = "http://";
    if (text.size() < scheme.size() || !EqualsIgnoringCase(text.substr(0, scheme.size()), scheme))
        return std::nullopt;
    text.remove_prefix(scheme.size());
    text = text.substr(0, text.find('#'));
    const std::size_t slash = text.find_first_of("/?");
    std::string_view authority = text.substr(0, slash);
    HttpAddress address;
    address.path = slash == std::string_view::npos ? "/" : std::string(text.substr(slash));
    if (address.path.front() == '?') address.path.insert(0, "/");
    if (const std::size_t at = authority.rfind('@'); at != std::string_view::npos)
        authority.remove_prefix(at + 1);  // user:password@ is not ours to send
    std::string_view port;
    if (authority.starts_with('[')) {
        const std::size_t close = authority.find(']');
        if (close == std::string_view::npos) return std::nullopt;
        address.host = authority.substr(1, close - 1);
        if (authority.size() > close + 1) {
            if (authority[close + 1] != ':') return std::nullopt;
            port = authority.substr(close + 2);
        }
    } else {
        const std::size_t colon = authority.find(':');
        address.host = authority.substr(0, colon);
        if (colon != std::string_view::npos) port = authority.substr(colon + 1);
    }
    if (address.host.empty()) return std::nullopt;
    if (!port.empty()) {
        const auto number = ReadDecimal(port);
        if (!number || *number < 1 || *number > 65535) return std::nullopt;
        address.port = static_cast<int>(*number);
    }
    return address;
}

namespace {

/// "host" or "host:port" (the port only when not 80), an IPv6 host in brackets.
std::string Authority(const HttpAddress& address) {
    const bool ipv6 = address.host.find(':') != std::string::npos;
    std::string text = ipv6 ? "[" + address.host + "]" : address.host;
    if (address.port != 80) text.append(":").append(std::to_string(address.port));
    return text;
}

}  // namespace

std::string AddressText(const HttpAddress& address) { return "http://" + Authority(address) + address.path; }

std::string UpdateAddress(std::string_view host, int port, std::string_view path) {
    return AddressText({std::string(host), port, std::string(path)});
}

std::optional<HttpAddress> RedirectTarget(const HttpAddress& from, std::string_view location) {
    location = TrimBlanks(location);
    if (location.starts_with("//")) return ParseHttpAddress("http:" + std::string(location));
    const std::size_t colon = location.find(':');
    if (colon != std::string_view::npos && colon < location.find_first_of("/?#"))
        return ParseHttpAddress(location);  // a scheme: only http leads anywhere
    if (location.empty()) return std::nullopt;
    HttpAddress target = from;
    std::string path(location.substr(0, location.find('#')));
    if (!path.starts_with('/'))
        path = from.path.substr(0, from.path.substr(0, from.path.find('?')).rfind('/') + 1) + path;
    target.path = path;
    return target;
}

bool IsRedirect(int status, std::string_view location) {
    return (status == 301 || status == 302 || status == 303 || status == 307 || status == 308) && !location.empty();
}

RedirectStep FollowRedirect(const std::optional<HttpAddress>& from, std::string_view location, int followed) {
    RedirectStep step;
    const auto next = from ? RedirectTarget(*from, location) : std::nullopt;
    if (!next)
        step.failure = "the server sent the update to " + std::string(location) + ", which is not an http address";
    else if (followed >= kMaxRedirects)
        step.failure = "the server sent the update elsewhere more than " + std::to_string(kMaxRedirects) + " times";
    else
        step.next = next;
    return step;
}

std::string WebRedirectRefusal(std::string_view from, std::string_view to, int followed) {
    const auto scheme = [](std::string_view address) {
        for (const std::string_view known : {"https://", "http://"})
            if (address.size() >= known.size() && EqualsIgnoringCase(address.substr(0, known.size()), known))
                return known;
        return std::string_view{};
    };
    if (scheme(to).empty())
        return "the server sent the update to " + std::string(to) + ", which is no web address";
    if (scheme(from) == "https://" && scheme(to) == "http://")
        return "the server sent the update from a protected (https) address to an unprotected one, " + std::string(to);
    if (followed >= kMaxRedirects)
        return "the server sent the update elsewhere more than " + std::to_string(kMaxRedirects) + " times";
    return {};
}

std::string WaitText(std::chrono::milliseconds wait) {
    const long long ms = wait.count();
    if (ms % 1000 == 0) return std::to_string(ms / 1000) + " seconds";
    return std::to_string(ms) + " milliseconds";
}

std::string CancelledText() { return "the download was cancelled"; }

std::string StalledText(std::chrono::milliseconds stall) { return "no answer from the server for " + WaitText(stall); }

std::string TookTooLongText(std::chrono::milliseconds stall) {
    return "the server took longer than " + WaitText(stall * kDownloadDeadlineStalls) + " to send the update";
}

std::string TooLargeText() {
    return "the server sent more than " + std::to_string(kMaxBodyBytes) + " bytes, more than an update can be";
}

std::string CutShortText(std::int64_t received, std::int64_t announced) {
    return "the server closed the connection after " + std::to_string(received) + " of " + std::to_string(announced) +
           " bytes";
}

bool ProxySpares(std::string_view host, std::string_view noProxy) {
    for (std::size_t start = 0; start <= noProxy.size();) {
        std::size_t comma = noProxy.find(',', start);
        if (comma == std::string_view::npos) comma = noProxy.size();
        std::string_view entry = TrimBlanks(noProxy.substr(start, comma - start));
        start = comma + 1;
        if (entry == "*") return true;
        if (entry.starts_with('*')) entry.remove_prefix(1);
        if (entry.starts_with('.')) entry.remove_prefix(1);
        if (entry.empty()) continue;
        // A suffix at a dot: "example" spares "www.example", not "badexample".
        if (host.size() >= entry.size() && EqualsIgnoringCase(host.substr(host.size() - entry.size()), entry) &&
            (host.size() == entry.size() || host[host.size() - entry.size() - 1] == '.'))
            return true;
    }
    return false;
}

std::optional<HttpAddress> ProxyFor(const HttpAddress& target, std::string_view httpProxy,
                                    std::string_view noProxy) {
    httpProxy = TrimBlanks(httpProxy);
    if (httpProxy.empty() || ProxySpares(target.host, noProxy)) return std::nullopt;
    std::string text(httpProxy);
    if (text.find("://") == std::string::npos) text.insert(0, "http://");
    auto proxy = ParseHttpAddress(text);
    if (!proxy) return std::nullopt;
    std::string_view authority = std::string_view(text).substr(text.find("://") + 3);
    authority = authority.substr(0, authority.find_first_of("/?#"));
    authority.remove_prefix(authority.rfind('@') == std::string_view::npos ? 0 : authority.rfind('@') + 1);
    const bool portGiven = authority.starts_with('[') ? authority.find("]:") != std::string_view::npos
                                                      : authority.find(':') != std::string_view::npos;
    if (!portGiven) proxy->port = 8080;
    return proxy;
}

std::string UpdateRequest(const HttpAddress& target, bool throughProxy) {
    std::string request;
    request.append("GET ").append(throughProxy ? AddressText(target) : target.path).append(" HTTP/1.0\r\n");
    request.append("User-Agent: Mozilla/3.0 (Win95; I)\r\n");
    request.append("Host: ").append(Authority(target)).append("\r\n");
    request.append("Accept: */*\r\n");
    request.append("\r\n");
    return request;
}

HttpDownload::State HttpDownload::feed(std::string_view bytes) {
    if (finished()) return state_;
    received_ += static_cast<std::int64_t>(bytes.size());
    if (state_ == State::ReceivingBody) return takeBody(bytes);

    // Only the new bytes and the three before them can complete the empty line.
    const std::size_t searchFrom = buffer_.size() < 3 ? 0 : buffer_.size() - 3;
    buffer_.append(bytes);
    const auto end = FindHeaderEnd(std::string_view(buffer_).substr(searchFrom));
    if (!end) {
        if (buffer_.size() > kMaxHeaderBytes)
            return failWith("the server's response header runs beyond " +
                            std::to_string(kMaxHeaderBytes) + " bytes without ending");
        return state_;
    }
    return parseHeader(searchFrom + end->first, searchFrom + end->second);
}

HttpDownload::State HttpDownload::parseHeader(std::size_t headerEnd, std::size_t bodyStart) {
    // The limit counts the empty line too: then a header is refused alike however its bytes
    // arrive (feed gives up on kMaxHeaderBytes held bytes that have not ended it).
    if (bodyStart > kMaxHeaderBytes)
        return failWith("the server's response header is longer than " +
                        std::to_string(kMaxHeaderBytes) + " bytes");
    const std::string_view header = std::string_view(buffer_).substr(0, headerEnd);

    bool firstLine = true;
    std::string_view status;
    std::string unreadable;  // a coding line we cannot take off
    for (std::size_t start = 0; start <= header.size();) {
        std::size_t stop = header.find('\n', start);
        if (stop == std::string_view::npos) stop = header.size();
        std::string_view line = header.substr(start, stop - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        start = stop + 1;

        if (firstLine) {
            firstLine = false;
            // "HTTP/1.0 200 OK": the protocol, a space, three digits, then the reason.
            const std::size_t space = line.find(' ');
            const std::string_view code =
                space == std::string_view::npos ? std::string_view{} : line.substr(space + 1, 3);
            const bool digits = code.size() == 3 && std::all_of(code.begin(), code.end(), [](char c) {
                return c >= '0' && c <= '9';
            });
            const bool ends = digits && (line.size() == space + 4 || line[space + 4] == ' ');
            if (!line.starts_with("HTTP/") || !digits || !ends)
                return failWith("the server did not answer with HTTP (it began \"" +
                                std::string(line.substr(0, 40)) + "\")");
            statusCode_ = (code[0] - '0') * 100 + (code[1] - '0') * 10 + (code[2] - '0');
            status = line.substr(space + 1);
            continue;
        }
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos) continue;
        const std::string_view name = TrimBlanks(line.substr(0, colon));
        const std::string_view value = TrimBlanks(line.substr(colon + 1));
        if (EqualsIgnoringCase(name, "Location")) {
            location_ = value;
        } else if (EqualsIgnoringCase(name, "Transfer-Encoding") || EqualsIgnoringCase(name, "Content-Encoding")) {
            // Codings apply in order; only chunked, last and once, is framing we take off.
            for (std::size_t from = 0; from <= value.size();) {
                std::size_t comma = value.find(',', from);
                if (comma == std::string_view::npos) comma = value.size();
                const std::string_view coding = TrimBlanks(value.substr(from, comma - from));
                from = comma + 1;
                if (coding.empty() || EqualsIgnoringCase(coding, "identity")) continue;
                if (chunked_ || !EqualsIgnoringCase(name, "Transfer-Encoding") || !EqualsIgnoringCase(coding, "chunked"))
                    unreadable = std::string(line);
                else
                    chunked_ = true;
            }
        } else if (EqualsIgnoringCase(name, "Content-Length")) {
            const auto length = ReadDecimal(value);
            if (!length)
                return failWith("the server announced an unreadable Content-Length \"" + std::string(value) + "\"");
            if (contentLength_ && *contentLength_ != *length)
                return failWith("the server announced two different Content-Length values");
            contentLength_ = length;
        }
    }

    if (IsRedirect(statusCode_, location_)) {
        buffer_.clear();
        state_ = State::Redirected;
        return state_;
    }
    location_.clear();
    if (statusCode_ < 200 || statusCode_ > 299) return failWith("the server answered \"" + std::string(status) + "\"");
    if (!unreadable.empty())
        return failWith("the server sent the update in a coding tolva! cannot read (\"" + unreadable.substr(0, 80) +
                        "\")");
    if (chunked_) contentLength_.reset();  // the chunks carry their own lengths
    if (contentLength_) {
        if (*contentLength_ > kMaxBodyBytes)
            return failWith("the server announced " + std::to_string(*contentLength_) +
                            " bytes, more than an update can be (" + std::to_string(kMaxBodyBytes) +
                            " bytes)");
        expectedTotal_ = static_cast<std::int64_t>(bodyStart) + *contentLength_;
        body_.reserve(static_cast<std::size_t>(*contentLength_));
    }
    state_ = State::ReceivingBody;
    std::string rest = buffer_.substr(bodyStart);
    buffer_.clear();
    buffer_.shrink_to_fit();
    return takeBody(rest);
}

HttpDownload::State HttpDownload::takeBody(std::string_view bytes) {
    if (chunked_) return takeChunks(bytes);
    if (contentLength_) {
        const std::size_t missing = static_cast<std::size_t>(*contentLength_) - body_.size();
        // An HTTP/1.0 server sends nothing after the body; anything more is not the update.
        body_.append(bytes.substr(0, std::min(missing, bytes.size())));
        if (static_cast<std::int64_t>(body_.size()) == *contentLength_) state_ = State::Complete;
        return state_;
    }
    if (static_cast<std::int64_t>(body_.size() + bytes.size()) > kMaxBodyBytes) return failWith(TooLargeText());
    body_.append(bytes);
    return state_;
}

HttpDownload::State HttpDownload::takeChunks(std::string_view bytes) {
    while (!bytes.empty() && state_ == State::ReceivingBody) {
        if (chunk_ == Chunk::Data) {
            const std::size_t take = static_cast<std::size_t>(std::min<std::int64_t>(chunkLeft_, static_cast<std::int64_t>(bytes.size())));
            body_.append(bytes.substr(0, take));
            bytes.remove_prefix(take);
            chunkLeft_ -= static_cast<std::int64_t>(take);
            if (chunkLeft_ == 0) chunk_ = Chunk::DataEnd;
            continue;
        }
        std::string line;
        const StreamLines::Next next = framing_.next(bytes, line);
        if (next == StreamLines::Next::TooLong)
            return failWith("a line of the server's chunked reply runs beyond " + std::to_string(kMaxChunkLine) +
                            " bytes");
        if (next == StreamLines::Next::NeedMore) break;
        chunkLine(line);
    }
    return state_;
}

HttpDownload::State HttpDownload::chunkLine(std::string_view line) {
    switch (chunk_) {
    case Chunk::SizeLine: {
        // Hexadecimal digits, then perhaps ";name=value" extensions, which say nothing to us.
        const std::string_view digits = TrimBlanks(line.substr(0, line.find(';')));
        std::int64_t size = 0;
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), size, 16);
        if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size() || digits.front() == '-')
            return failWith("the server's chunked reply has an unreadable chunk size \"" +
                            std::string(line.substr(0, 40)) + "\"");
        if (size > kMaxBodyBytes - static_cast<std::int64_t>(body_.size())) return failWith(TooLargeText());
        chunkLeft_ = size;
        chunk_ = size == 0 ? Chunk::Trailer : Chunk::Data;
        break;
    }
    case Chunk::DataEnd:
        if (!line.empty()) return failWith("a chunk of the server's reply is longer than its size says");
        chunk_ = Chunk::SizeLine;
        break;
    case Chunk::Trailer:
        trailerBytes_ += line.size() + 2;
        if (trailerBytes_ > kMaxHeaderBytes)
            return failWith("the trailer of the server's chunked reply runs beyond " +
                            std::to_string(kMaxHeaderBytes) + " bytes");
        if (line.empty()) state_ = State::Complete;
        break;
    case Chunk::Data:
        break;
    }
    return state_;
}

HttpDownload::State HttpDownload::closed() {
    switch (state_) {
    case State::WaitingForHeader:
        return failWith("the server closed the connection before its response header ended");
    case State::ReceivingBody:
        // After the last chunk only the trailer was missing: the body is whole.
        if (chunked_ && chunk_ == Chunk::Trailer && !framing_.holding()) {
            state_ = State::Complete;
            return state_;
        }
        if (chunked_) return failWith("the server closed the connection before the last chunk of its reply");
        if (!contentLength_) {
            state_ = State::Complete;
            return state_;
        }
        return failWith(CutShortText(static_cast<std::int64_t>(body_.size()), *contentLength_));
    case State::Complete:
    case State::Redirected:
    case State::Failed:
        break;
    }
    return state_;
}

HttpDownload::State HttpDownload::fail(std::string description) {
    if (finished()) return state_;
    return failWith(std::move(description));
}

HttpDownload::State HttpDownload::failWith(std::string description) {
    failure_ = std::move(description);
    body_.clear();
    buffer_.clear();
    framing_.clear();
    location_.clear();
    state_ = State::Failed;
    return state_;
}

std::int64_t HttpDownload::progressPosition() const {
    return expectedTotal_ > 0 ? std::min(received_, expectedTotal_) : received_;
}

void StoreDownload(const HttpDownload& download, UpdateValues& values) {
    if (!download.finished()) return;
    if (download.state() == HttpDownload::State::Complete)
        values.DownloadText = download.body();
    else
        values.DownloadText.clear();
    values.DownloadDone = true;
}

}  // namespace tolva
