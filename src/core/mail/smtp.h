#pragma once
// The SMTP dialogue of the mail to the maintainers, without the socket.
//
// How it works. The window feeds every byte the server sends; the dialogue cuts them into reply
// lines (ended by CR LF; a bare LF is taken as well), and acts once per complete reply: the lines
// of a multi-line reply ("250-...") wait for its final line ("250 ..."), which alone is acted on.
// The reply code and the dialogue state pick the row of the reply table below, which says what to
// send, the status text and the new state:
//
//   220 any state  -> HELO <mail server>          6
//   250 in 6       -> RSET                        1
//   250 in 1       -> MAIL FROM:<mailbox>         2
//   250 in 2       -> RCPT TO:<mailbox>           3
//   250 in 3       -> DATA                        4
//   354 any state  -> the message and "."         5 (set before sending)
//   250 in 5       -> QUIT, close socket and window
//   221            -> nothing; state 0 (status tells whether it followed an error, state 999)
//   5xx any state  -> QUIT                        999
//   anything else  -> nothing
//
// A socket error, a time-out or a line beyond the limit ends the dialogue with "Error sending
// mail..."; failure() keeps the reason (the server's reply line after a 5xx) for the window to
// show beside it. The user may send again or close the window. A reply's code is its leading digits: "250OK" is 250.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/mail/message.h"

namespace tolva {

/// Longest reply line accepted: the protocol allows 512 bytes; four times that covers sloppy
/// servers, and more is no mail server at all.
inline constexpr std::size_t kMaxReplyLine = 2048;

/// Seconds without a reply, or while sending without a byte leaving, after which the window calls
/// SmtpDialogue::failed(). The wait for a reply starts when our last byte has left.
inline constexpr int kMailReplySeconds = 30;

/// The whole dialogue's limit grows by the message's size at this rate: a mail of a full
/// database (about 200 KB) still passes a 1 KB/s uplink, and a server that takes a byte now and
/// then cannot hold the window open for ever.
inline constexpr int kMailSlowestUplinkBytesPerSecond = 1000;

/// The whole dialogue may last this many reply waits at most: it needs seven replies, and a
/// server that repeats a reply the dialogue acts on (a greeting, say) cannot keep it going.
inline constexpr int kMailDeadlineReplies = 10;

/// The dialogue state after a 5xx reply.
inline constexpr int kSmtpErrorState = 999;

inline constexpr const char* kMailStatusStart = "(Your bleem!.ini will be sent automatically)";
inline constexpr const char* kMailStatusConnecting = "Connecting to the Mail Server ...";
inline constexpr const char* kMailStatusError = "Error sending mail...";
inline constexpr const char* kMailStatusCancelled = "Sending cancelled...";

/// What the window does after a notification.
struct SmtpAction {
    std::string send;                   ///< bytes to write to the socket, in order; may be empty
    std::optional<std::string> status;  ///< the new text of StatusTEXT, when it changes
    bool closeSocket = false;           ///< close the connection
    bool closeWindow = false;           ///< the mail was accepted: close MailFORM
    bool message = false;               ///< `send` is the message: show its progress
    bool dropHard = false;              ///< close at once, dropping what is not yet sent
};

/// The code of one reply line: its leading digits (whatever follows them), -1 when a "-"
/// follows them (a line of a multi-line reply that goes on), 0 without leading digits.
int ReplyCode(std::string_view line);

class SmtpDialogue {
public:
    using DateSource = std::function<MailDate()>;

    /// mailServer is the host connected to (also HELO's argument); mailbox is the maintainers'
    /// address (sender and recipient); body is MailBodyLines(); now gives the Date line's time
    /// when the server accepts the data.
    SmtpDialogue(std::string mailServer, std::string mailbox, std::vector<std::string> body,
                 DateSource now);

    /// Bytes that arrived from the server.
    SmtpAction feed(std::string_view bytes);

    /// The server closed the connection.
    SmtpAction closed();

    /// A socket error or the time-out, worded for a person.
    SmtpAction failed(std::string why);

    /// The user's Abort while sending: QUIT when between commands, a hard drop once the message
    /// is on its way; the status says the mail was not sent.
    SmtpAction cancel();

    /// Why the dialogue failed (the server's reply line, or ours); empty otherwise.
    const std::string& failure() const { return failure_; }

    /// Whether the dialogue ended without the mail being accepted (a retry may follow).
    bool unsent() const { return (ended_ || state_ == kSmtpErrorState) && !accepted_; }

    /// The dialogue state: 0 at first, 6, 1, 2, 3, 4, 5 while sending, 999 after an error reply.
    int state() const { return state_; }

    /// Whether the dialogue has ended: the connection is closed or is to be closed.
    bool ended() const { return ended_; }

private:
    void reply(int code, const std::string& line, SmtpAction& action);
    void fail(SmtpAction& action, std::string why);

    std::string mailServer_;
    std::string mailbox_;
    std::vector<std::string> body_;
    DateSource now_;
    std::string pending_;  // bytes of a reply line whose end has not arrived
    int state_ = 0;
    bool ended_ = false;
    bool disconnected_ = false;  // the server said goodbye (221)
    bool accepted_ = false;      // the server took the message (250 after it)
    std::string failure_;
    // The message goes out once. A server answering 354 again gets nothing more, or each five
    // bytes it sent would cost the whole database; one that starts over and asks for it after a
    // new DATA ends the dialogue in the error.
    bool messageSent_ = false;
    bool dataSinceMessage_ = false;
};

}  // namespace tolva
