#pragma once
// The update download over a raw TCP socket, without the socket: the window feeds the bytes that
// arrive and tells when the peer closed; this machine finds the end of the response header, reads
// the status line and Content-Length, reports progress, and says when the body is whole.
//
// Completion: with a Content-Length, once header + empty line + that many body bytes have
// arrived; without one, when the server closes the connection (HTTP/1.0 marks the end that way).
// A status other than 2xx, an over-long header, a body beyond the limit, or a close before the
// body is whole is a failure; the window then ends its wait in the "failed to connect" path.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/state.h"

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

/// The request sent once the connection stands, byte for byte (HTTP/1.0, CR LF lines).
std::string UpdateRequest(std::string_view host, std::string_view path);

/// The update file's address for the HTTP transfer route: "http://host/update.ini", with ":port"
/// after the host when the port is not 80 (an IPv6 host in brackets).
std::string UpdateAddress(std::string_view host, int port, std::string_view path);

class HttpDownload {
public:
    enum class State { WaitingForHeader, ReceivingBody, Complete, Failed };

    /// Bytes that arrived, in order. Ignored once the download is complete or failed.
    State feed(std::string_view bytes);

    /// The peer closed the connection.
    State closed();

    /// A socket error or a stall: the download fails with this description.
    State fail(std::string description);

    State state() const { return state_; }
    bool finished() const { return state_ == State::Complete || state_ == State::Failed; }

    /// Bytes received so far, header included (the received count).
    std::int64_t received() const { return received_; }

    /// The progress bar's maximum: the whole response's length once the header announced it;
    /// 0 while unknown (before the header, or without a Content-Length).
    std::int64_t progressMaximum() const { return expectedTotal_; }

    /// The progress bar's position: the received count, never beyond a known maximum.
    std::int64_t progressPosition() const;

    /// The response's status code; 0 before the status line was read.
    int statusCode() const { return statusCode_; }

    /// The announced body length, when the header had one.
    std::optional<std::int64_t> contentLength() const { return contentLength_; }

    /// The body, whole once Complete (only the body: no status or header lines).
    const std::string& body() const { return body_; }

    /// Why the download failed, worded for a person; empty unless Failed.
    const std::string& failure() const { return failure_; }

private:
    State parseHeader(std::size_t headerEnd, std::size_t bodyStart);
    State takeBody(std::string_view bytes);
    State failWith(std::string description);

    State state_ = State::WaitingForHeader;
    std::int64_t received_ = 0;
    std::string buffer_;  // bytes before the end of the header was found
    std::string body_;
    int statusCode_ = 0;
    std::optional<std::int64_t> contentLength_;
    std::int64_t expectedTotal_ = 0;
    std::string failure_;
};

/// Hands a finished download to the update processing: DownloadText becomes the body when it is
/// complete and stays empty when it failed (the "failed to connect" ending); DownloadDone is set.
/// Does nothing while the download is still running.
void StoreDownload(const HttpDownload& download, UpdateValues& values);

}  // namespace tolva
