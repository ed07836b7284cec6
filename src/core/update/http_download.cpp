#include "core/update/http_download.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace tolva {
namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
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

std::string UpdateRequest(std::string_view host, std::string_view path) {
    std::string request;
    request.append("GET ").append(path).append(" HTTP/1.0\r\n");
    request.append("User-Agent: Mozilla/3.0 (Win95; I)\r\n");
    request.append("Host: ").append(host).append("\r\n");
    request.append("Accept: */*\r\n");
    request.append("\r\n");
    return request;
}

std::string UpdateAddress(std::string_view host, int port, std::string_view path) {
    std::string address = "http://";
    const bool ipv6 = host.find(':') != std::string_view::npos;
    if (ipv6) address.push_back('[');
    address.append(host);
    if (ipv6) address.push_back(']');
    if (port != 80) address.append(":").append(std::to_string(port));
    address.append(path);
    return address;
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
            if (statusCode_ < 200 || statusCode_ > 299)
                return failWith("the server answered \"" + std::string(line.substr(space + 1)) +
                                "\"");
            continue;
        }
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos) continue;
        if (!EqualsIgnoringCase(TrimBlanks(line.substr(0, colon)), "Content-Length")) continue;
        const auto length = ReadDecimal(TrimBlanks(line.substr(colon + 1)));
        if (!length)
            return failWith("the server announced an unreadable Content-Length \"" +
                            std::string(TrimBlanks(line.substr(colon + 1))) + "\"");
        if (contentLength_ && *contentLength_ != *length)
            return failWith("the server announced two different Content-Length values");
        contentLength_ = length;
    }

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
    if (contentLength_) {
        const std::size_t missing = static_cast<std::size_t>(*contentLength_) - body_.size();
        // An HTTP/1.0 server sends nothing after the body; anything more is not the update.
        body_.append(bytes.substr(0, std::min(missing, bytes.size())));
        if (static_cast<std::int64_t>(body_.size()) == *contentLength_) state_ = State::Complete;
        return state_;
    }
    if (static_cast<std::int64_t>(body_.size() + bytes.size()) > kMaxBodyBytes)
        return failWith("the server sent more than " + std::to_string(kMaxBodyBytes) +
                        " bytes, more than an update can be");
    body_.append(bytes);
    return state_;
}

HttpDownload::State HttpDownload::closed() {
    switch (state_) {
    case State::WaitingForHeader:
        return failWith("the server closed the connection before its response header ended");
    case State::ReceivingBody:
        if (!contentLength_) {
            state_ = State::Complete;
            return state_;
        }
        return failWith("the server closed the connection after " + std::to_string(body_.size()) +
                        " of " + std::to_string(*contentLength_) + " bytes");
    case State::Complete:
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
