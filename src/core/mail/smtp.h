#pragma once
// The SMTP dialogue of the mail to the maintainers, without the socket.
//
// How it works. The window feeds every byte the server sends; the dialogue cuts them into reply
// lines (ended by CR LF; a bare LF is taken as well), and acts once per complete reply: the lines
// of a multi-line reply ("250-...") wait for its final line ("250 ..."), which alone is acted on.
// The reply code and the dialogue state pick the first matching row of the reply table
// (SmtpReplyTable), which says what to send, the status text and the new state; a reply that
// matches no row does nothing. A reply's code is its leading digits: "250OK" is 250.
//
// A socket error, a time-out or a line beyond the limit ends the dialogue with "Error sending
// mail..."; failure() keeps the reason (the server's reply line after a 5xx) for the window to
// show beside it. The user may send again or close the window. Once the message has left, the
// window says so (messageLeft) and waits the longer time the protocol gives the final reply.
//
// The user's own server (an SmtpAccount) is greeted with EHLO, and its reply picks what follows:
// STARTTLS when it is required, then AUTH PLAIN or LOGIN when a user name is set, then the mail.
// No credential leaves before TLS is up unless the account allows a plain connection; a server
// that offers no STARTTLS when it is required ends the dialogue before any credential is sent.
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/mail/message.h"
#include "core/text/streamlines.h"

namespace tolva {

/// Longest reply line accepted: the protocol allows 512 bytes; four times that covers sloppy
/// servers, and more is no mail server at all.
inline constexpr std::size_t kMaxReplyLine = 2048;

/// Seconds without a reply, or while sending without a byte leaving, after which the window calls
/// SmtpDialogue::failed(). The wait for a reply starts when our last byte has left.
inline constexpr int kMailReplySeconds = 30;

/// Seconds the reply to the message's final "." may take once the whole message has left: RFC
/// 5321 gives the server 10 minutes (a relay may still be passing the message on).
inline constexpr int kMailFinalReplySeconds = 600;

/// The whole dialogue's limit, up to the message, grows by the message's size at this rate: a
/// mail of a full database (about 200 KB) still passes a 1 KB/s uplink, and a server that takes a
/// byte now and then cannot hold the window open for ever.
inline constexpr int kMailSlowestUplinkBytesPerSecond = 1000;

/// The whole dialogue, up to the message, may last this many reply waits at most: it needs six
/// replies before, and a server that repeats a reply the dialogue acts on (a greeting, say)
/// cannot keep it going.
inline constexpr int kMailDeadlineReplies = 10;

/// The dialogue states, by what was sent last; numbered as the program has always numbered them.
inline constexpr int kSmtpStart = 0;
inline constexpr int kSmtpRsetSent = 1;
inline constexpr int kSmtpFromSent = 2;
inline constexpr int kSmtpRcptSent = 3;
inline constexpr int kSmtpDataSent = 4;
inline constexpr int kSmtpMessageSent = 5;
inline constexpr int kSmtpHeloSent = 6;
inline constexpr int kSmtpEhloSent = 7;
inline constexpr int kSmtpStartTlsSent = 8;
inline constexpr int kSmtpTlsStarting = 9;    ///< STARTTLS accepted: the window runs the handshake
inline constexpr int kSmtpAuthLoginSent = 10;  ///< AUTH LOGIN sent: the user name is asked for
inline constexpr int kSmtpUserSent = 11;
inline constexpr int kSmtpAuthSent = 12;  ///< the credentials have been sent
/// The dialogue state after a 5xx reply.
inline constexpr int kSmtpErrorState = 999;
/// A row of the reply table that acts in every state.
inline constexpr int kSmtpAnyState = -1;

/// What a row of the reply table sends.
enum class SmtpSend {
    Nothing, Helo, Rset, MailFrom, RcptTo, Data, Message, Quit,
    Ehlo,
    AfterEhlo,     ///< what the EHLO reply offers: STARTTLS, AUTH PLAIN or LOGIN, or the mail
    AuthUser,      ///< AUTH LOGIN's user name
    AuthPassword,  ///< AUTH LOGIN's password
    AfterLogin,    ///< MAIL FROM, or QUIT when only the login is tried
};

/// What a row does beyond sending and changing the state.
enum class SmtpEffect {
    None,
    Accepted,  ///< the server took the mail: close the socket and the window
    Goodbye,   ///< the server said goodbye: its close is no error
    Refused,   ///< an error reply: failure() keeps its line
    StartTls,  ///< the server agreed to STARTTLS: the window starts TLS, then calls tlsStarted()
};

/// Which server a row speaks to: both, the maintainers' only, or the user's own only.
enum class SmtpRoute { Both, Maintainers, OwnServer };

enum class SmtpSecurity { None, StartTls, Tls };

/// The user's own mail server: how the dialogue is protected and who sends to whom.
struct SmtpAccount {
    SmtpSecurity security = SmtpSecurity::StartTls;
    std::string client = "localhost";  ///< EHLO's argument: this machine's name
    std::string user;                  ///< empty: no login
    std::string password;
    std::string sender;     ///< the envelope's sender and From:
    std::string recipient;  ///< the envelope's recipient and To:
    std::string replyTo;    ///< the mail window's address; empty: no Reply-To:
    bool loginOnly = false;  ///< a test of the settings: QUIT once logged in, nothing sent
};

/// One row of the reply table: a reply whose code lies in [lowest, highest], in state `in`,
/// sends `send`, shows `status` (none: unchanged) and moves the dialogue to `next`.
struct SmtpReplyRow {
    int lowest;
    int highest;
    int in;
    SmtpSend send;
    const char* status;
    int next;
    SmtpEffect effect;
    SmtpRoute route = SmtpRoute::Both;
};

/// The reply table, read top to bottom: the first row that matches (code, state and the route
/// of the dialogue) acts.
std::span<const SmtpReplyRow> SmtpReplyTable();

inline constexpr const char* kMailStatusStart = "(Your bleem!.ini will be sent automatically)";
inline constexpr const char* kMailStatusConnecting = "Connecting to the Mail Server ...";
inline constexpr const char* kMailStatusError = "Error sending mail...";
inline constexpr const char* kMailStatusCancelled = "Sending cancelled...";
inline constexpr const char* kMailStatusWaiting = "Waiting for the server's reply...";

/// What the window does after a notification.
struct SmtpAction {
    std::string send;                   ///< bytes to write to the socket, in order; may be empty
    std::optional<std::string> status;  ///< the new text of StatusTEXT, when it changes
    bool closeSocket = false;           ///< close the connection
    bool closeWindow = false;           ///< the mail was accepted: close MailFORM
    bool message = false;               ///< `send` is the message: show its progress
    bool dropHard = false;              ///< close at once, dropping what is not yet sent
    bool startTls = false;              ///< start TLS on the connection, then call tlsStarted()
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
    /// With an account, the user's own server is spoken to instead (mailbox is then unused).
    SmtpDialogue(std::string mailServer, std::string mailbox, std::vector<std::string> body,
                 DateSource now, std::optional<SmtpAccount> account = std::nullopt);

    /// TLS is up after STARTTLS: the server is greeted again.
    SmtpAction tlsStarted();

    /// Whether a login-only dialogue logged in (or needed none) and said goodbye.
    bool verified() const { return verified_; }

    /// Bytes that arrived from the server.
    SmtpAction feed(std::string_view bytes);

    /// The server closed the connection.
    SmtpAction closed();

    /// A socket error or the time-out, worded for a person.
    SmtpAction failed(std::string why);

    /// Every byte of the message has left: the status says the reply is awaited; nothing before
    /// the message has gone or after the dialogue ended.
    SmtpAction messageLeft();

    /// Whether the message has gone and its reply is awaited.
    bool awaitingFinalReply() const { return !ended_ && state_ == kSmtpMessageSent && messageSent_; }

    /// The user's Abort while sending: QUIT when between commands, a hard drop once the message
    /// is on its way; the status says the mail was not sent.
    SmtpAction cancel();

    /// Why the dialogue failed (the server's reply line, or ours); empty otherwise.
    const std::string& failure() const { return failure_; }

    /// Whether the dialogue ended without the mail being accepted (a retry may follow).
    bool unsent() const { return (ended_ || state_ == kSmtpErrorState) && !accepted_; }

    /// The dialogue state: kSmtpStart at first, then what was sent last, kSmtpErrorState after an
    /// error reply.
    int state() const { return state_; }

    /// Whether the dialogue has ended: the connection is closed or is to be closed.
    bool ended() const { return ended_; }

private:
    void reply(int code, const std::string& line, SmtpAction& action);
    void send(SmtpSend what, SmtpAction& action);
    void fail(SmtpAction& action, std::string why);
    void afterEhlo(SmtpAction& action);
    void afterLogin(SmtpAction& action);
    /// Whether the EHLO reply names this extension (and, for AUTH, this mechanism).
    bool offers(std::string_view keyword, std::string_view mechanism = {}) const;

    std::string mailServer_;
    std::string mailbox_;
    std::vector<std::string> body_;
    DateSource now_;
    StreamLines replies_{kMaxReplyLine};
    int state_ = kSmtpStart;
    bool ended_ = false;
    bool disconnected_ = false;  // the server said goodbye (221)
    bool accepted_ = false;      // the server took the message (250 after it)
    std::string failure_;
    std::optional<SmtpAccount> account_;
    bool tlsUp_ = false;
    bool verified_ = false;
    std::vector<std::string> ehlo_;  // the lines of the last EHLO reply
    // The message goes out once. A server answering 354 again gets nothing more, or each five
    // bytes it sent would cost the whole database; one that starts over and asks for it after a
    // new DATA ends the dialogue in the error.
    bool messageSent_ = false;
    bool dataSinceMessage_ = false;
};

}  // namespace tolva
