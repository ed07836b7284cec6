#pragma once
// The update download over a raw TCP socket, without the socket: the window feeds the bytes that
// arrive and tells when the peer closed; this machine finds the end of the response header, reads
// the status line and Content-Length, reports progress, and says when the body is whole.
//
// Completion: with a Content-Length, once header + empty line + that many body bytes have
// arrived; with "Transfer-Encoding: chunked" (whatever the HTTP version says), once the last chunk
// and its trailer lines have arrived, the chunks' framing taken off; otherwise when the server
// closes the connection (HTTP/1.0 marks the end that way). A redirect (301, 302, 303, 307, 308
// with a Location) ends as Redirected: the window follows it on a new connection. A status other
// than 2xx, an over-long header, a body beyond the limit, a coding we cannot read, or a close
// before the body is whole is a failure; the window then ends its wait in the "failed to
// connect" path.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/state.h"
#include "core/text/streamlines.h"

namespace tolva {

/// Longest response header accepted: real servers send well under 1 KB; more means no HTTP peer.
inline constexpr std::size_t kMaxHeaderBytes = 16 * 1024;

/// Largest update body accepted: 16384 lines of a full-length entry line fit with ample room.
inline constexpr std::int64_t kMaxBodyBytes = 8 * 1024 * 1024;

/// Seconds without a byte or a connection after which the window gives up the wait.
inline constexpr int kDownloadStallSeconds = 30;

/// A whole download may last this many stall times at most (10 minutes): ample for the largest
/// real update over a slow modem, while a server that sends a byte now and then, each within the
/// stall time, cannot hold the window open for ever.
inline constexpr int kDownloadDeadlineStalls = 20;

/// Longest line of a chunked body's framing (a size line with its extensions, a trailer line).
inline constexpr std::size_t kMaxChunkLine = 4096;

/// Redirects followed at most, on both routes: more is a loop, not a moved file.
inline constexpr int kMaxRedirects = 5;

/// An http address: host (an IPv6 host without brackets), port, and path with its query.
struct HttpAddress {
    std::string host;
    int port = 80;
    std::string path = "/";
};

/// "http://host[:port]/path"; nothing for another scheme or an unreadable address.
std::optional<HttpAddress> ParseHttpAddress(std::string_view text);

/// "http://host/path", with ":port" after the host when the port is not 80 (IPv6 in brackets).
std::string AddressText(const HttpAddress& address);

/// The update file's address for the HTTP transfer route.
std::string UpdateAddress(std::string_view host, int port, std::string_view path);

/// Where a redirect's Location leads from `from`: absolute, "//host/..", "/path" or relative.
/// Nothing when it leads away from plain http (https, ftp, ...).
std::optional<HttpAddress> RedirectTarget(const HttpAddress& from, std::string_view location);

/// Whether a response with this status and a Location sends the update elsewhere.
bool IsRedirect(int status, std::string_view location);

/// The one redirect rule of both routes: where a redirect from `from` leads after `followed`
/// redirects, or why it is not followed (next empty; failure worded for a person). A redirect
/// from an address that is not plain http (nothing) leads nowhere.
struct RedirectStep {
    std::optional<HttpAddress> next;
    std::string failure;
};
RedirectStep FollowRedirect(const std::optional<HttpAddress>& from, std::string_view location, int followed);

/// The redirect rule of an update fetched from the user's own web address, as a browser follows
/// them (to http or https, at most kMaxRedirects times), except that an https address never leads
/// to plain http. from and to are absolute addresses (the caller resolves a relative Location).
/// Empty when the redirect is followed, else why not, worded for a person.
std::string WebRedirectRefusal(std::string_view from, std::string_view to, int followed);

// Why a download failed, worded alike on both routes (the caller names the server or address).

/// A wait as a person reads it: "30 seconds", or "250 milliseconds" when not whole seconds.
std::string WaitText(std::chrono::milliseconds wait);
std::string CancelledText();
/// No byte for stall.
std::string StalledText(std::chrono::milliseconds stall);
/// The whole transfer outlasted kDownloadDeadlineStalls stall times.
std::string TookTooLongText(std::chrono::milliseconds stall);
/// More than kMaxBodyBytes.
std::string TooLargeText();
/// The connection closed after received of the announced bytes.
std::string CutShortText(std::int64_t received, std::int64_t announced);

/// Whether no_proxy (host suffixes at a dot, "*" for every host) lets `host` go direct.
bool ProxySpares(std::string_view host, std::string_view noProxy);

/// The web proxy for `target` as the environment names it (http_proxy, no_proxy as Qt reads
/// them: a missing port is 8080; no_proxy holds host suffixes, "*" for every host). Nothing when
/// the target goes direct.
std::optional<HttpAddress> ProxyFor(const HttpAddress& target, std::string_view httpProxy,
                                    std::string_view noProxy);

/// The request sent once the connection stands, byte for byte (HTTP/1.0, CR LF lines). Host
/// carries the port when it is not 80; through a proxy the request names the whole address.
std::string UpdateRequest(const HttpAddress& target, bool throughProxy = false);

class HttpDownload {
public:
    enum class State { WaitingForHeader, ReceivingBody, Complete, Redirected, Failed };

    /// Bytes that arrived, in order. Ignored once the download is complete or failed.
    State feed(std::string_view bytes);

    /// The peer closed the connection.
    State closed();

    /// A socket error or a stall: the download fails with this description.
    State fail(std::string description);

    State state() const { return state_; }
    bool finished() const { return state_ == State::Complete || state_ == State::Redirected || state_ == State::Failed; }

    /// Bytes received so far, header included (the received count).
    std::int64_t received() const { return received_; }

    /// The progress bar's maximum: the whole response's length once the header announced it;
    /// 0 while unknown (before the header, or without a Content-Length).
    std::int64_t progressMaximum() const { return expectedTotal_; }

    /// The progress bar's position: the received count, never beyond a known maximum.
    std::int64_t progressPosition() const;

    /// The response's status code; 0 before the status line was read.
    int statusCode() const { return statusCode_; }

    /// The announced body length, when the header had one (a chunked body has none).
    std::optional<std::int64_t> contentLength() const { return contentLength_; }

    /// Whether the body comes in chunks.
    bool chunked() const { return chunked_; }

    /// Where a Redirected download points (the Location header's value).
    const std::string& location() const { return location_; }

    /// The body, whole once Complete (only the body: no status or header lines).
    const std::string& body() const { return body_; }

    /// Why the download failed, worded for a person; empty unless Failed.
    const std::string& failure() const { return failure_; }

private:
    State parseHeader(std::size_t headerEnd, std::size_t bodyStart);
    State takeBody(std::string_view bytes);
    State takeChunks(std::string_view bytes);
    State chunkLine(std::string_view line);
    State failWith(std::string description);

    State state_ = State::WaitingForHeader;
    std::int64_t received_ = 0;
    std::string buffer_;  // bytes before the end of the header was found
    std::string body_;
    int statusCode_ = 0;
    std::optional<std::int64_t> contentLength_;
    std::int64_t expectedTotal_ = 0;
    std::string failure_;
    std::string location_;
    // A chunked body: which part of the framing comes next, the bytes left of the current chunk,
    // a framing line not yet ended, and the trailer's size so far.
    enum class Chunk { SizeLine, Data, DataEnd, Trailer };
    bool chunked_ = false;
    Chunk chunk_ = Chunk::SizeLine;
    std::int64_t chunkLeft_ = 0;
    StreamLines framing_{kMaxChunkLine};
    std::size_t trailerBytes_ = 0;
};

/// Hands a finished download to the update processing: DownloadText becomes the body when it is
/// complete and stays empty otherwise (the "failed to connect" ending); DownloadDone is set.
/// Does nothing while the download is still running.
void StoreDownload(const HttpDownload& download, UpdateValues& values);

}  // namespace tolva
