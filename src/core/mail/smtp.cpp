#include "core/mail/smtp.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace tolva {
namespace {

void Command(SmtpAction& action, std::string_view command) {
    action.send.append(command).append("\r\n");
}

std::string Base64(std::string_view bytes) {
    static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    for (std::size_t k = 0; k < bytes.size(); k += 3) {
        const std::size_t n = std::min<std::size_t>(3, bytes.size() - k);
        unsigned v = 0;
        for (std::size_t j = 0; j < 3; ++j) v = v << 8 | (j < n ? static_cast<unsigned char>(bytes[k + j]) : 0u);
        for (std::size_t j = 0; j < 4; ++j) text.push_back(j <= n ? kDigits[(v >> (18 - 6 * j)) & 63] : '=');
    }
    return text;
}

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

constexpr auto kOwn = SmtpRoute::OwnServer;
constexpr std::size_t kMaxEhloLines = 64;

constexpr SmtpReplyRow kReplyTable[] = {
    // The maintainers' server, as it has always been spoken to.
    {220, 220, kSmtpAnyState, SmtpSend::Helo, "Mail Server is ready...", kSmtpHeloSent, SmtpEffect::None,
     SmtpRoute::Maintainers},
    {250, 250, kSmtpHeloSent, SmtpSend::Rset, "Sending Rset to server...", kSmtpRsetSent, SmtpEffect::None},
    {250, 250, kSmtpRsetSent, SmtpSend::MailFrom, "Sending FROM command...", kSmtpFromSent, SmtpEffect::None},
    {250, 250, kSmtpFromSent, SmtpSend::RcptTo, "Sending RCPT command...", kSmtpRcptSent, SmtpEffect::None},
    {250, 250, kSmtpRcptSent, SmtpSend::Data, "Sending DATA command...", kSmtpDataSent, SmtpEffect::None},
    // The state changes before the message goes, whatever state the server asked in.
    {354, 354, kSmtpAnyState, SmtpSend::Message, nullptr, kSmtpMessageSent, SmtpEffect::None, SmtpRoute::Maintainers},
    {250, 250, kSmtpMessageSent, SmtpSend::Quit, "Sending Quit command to disconnecting from mail server...",
     kSmtpMessageSent, SmtpEffect::Accepted},
    {221, 221, kSmtpErrorState, SmtpSend::Nothing, "Disconnected from mail server after error...", kSmtpStart,
     SmtpEffect::Goodbye},
    {221, 221, kSmtpAnyState, SmtpSend::Nothing, "Disconnected from mail server...", kSmtpStart, SmtpEffect::Goodbye},
    {500, 599, kSmtpAnyState, SmtpSend::Quit, kMailStatusError, kSmtpErrorState, SmtpEffect::Refused},
    // The user's own server: EHLO, then what its reply offers (STARTTLS, a login, the mail).
    {220, 220, kSmtpStart, SmtpSend::Ehlo, "Mail Server is ready...", kSmtpEhloSent, SmtpEffect::None, kOwn},
    {250, 250, kSmtpEhloSent, SmtpSend::AfterEhlo, nullptr, kSmtpEhloSent, SmtpEffect::None, kOwn},
    {220, 220, kSmtpStartTlsSent, SmtpSend::Nothing, "Starting TLS...", kSmtpTlsStarting, SmtpEffect::StartTls, kOwn},
    {334, 334, kSmtpAuthLoginSent, SmtpSend::AuthUser, nullptr, kSmtpUserSent, SmtpEffect::None, kOwn},
    {334, 334, kSmtpUserSent, SmtpSend::AuthPassword, nullptr, kSmtpAuthSent, SmtpEffect::None, kOwn},
    {235, 235, kSmtpAuthSent, SmtpSend::AfterLogin, "Logged in...", kSmtpFromSent, SmtpEffect::None, kOwn},
    // Only after DATA: a 354 slipped in before TLS would otherwise carry the mail in the clear.
    {354, 354, kSmtpDataSent, SmtpSend::Message, nullptr, kSmtpMessageSent, SmtpEffect::None, kOwn},
    // A temporary refusal of TLS or of the login ends the attempt as well: the user may try again.
    {400, 499, kSmtpEhloSent, SmtpSend::Quit, kMailStatusError, kSmtpErrorState, SmtpEffect::Refused, kOwn},
    {400, 499, kSmtpStartTlsSent, SmtpSend::Quit, kMailStatusError, kSmtpErrorState, SmtpEffect::Refused, kOwn},
    {400, 499, kSmtpAuthLoginSent, SmtpSend::Quit, kMailStatusError, kSmtpErrorState, SmtpEffect::Refused, kOwn},
    {400, 499, kSmtpUserSent, SmtpSend::Quit, kMailStatusError, kSmtpErrorState, SmtpEffect::Refused, kOwn},
    {400, 499, kSmtpAuthSent, SmtpSend::Quit, kMailStatusError, kSmtpErrorState, SmtpEffect::Refused, kOwn},
};

}  // namespace

std::span<const SmtpReplyRow> SmtpReplyTable() { return kReplyTable; }

int ReplyCode(std::string_view line) {
    std::size_t digits = 0;
    while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9') ++digits;
    if (digits == 0 || digits > 9) return 0;
    if (digits < line.size() && line[digits] == '-') return -1;
    // Whatever follows the digits (a space, nothing, or text glued to them) is the reply's text.
    int code = 0;
    for (std::size_t k = 0; k < digits; ++k) code = code * 10 + (line[k] - '0');
    return code;
}

SmtpDialogue::SmtpDialogue(std::string mailServer, std::string mailbox,
                           std::vector<std::string> body, DateSource now, std::optional<SmtpAccount> account)
    : mailServer_(std::move(mailServer)),
      mailbox_(std::move(mailbox)),
      body_(std::move(body)),
      now_(std::move(now)),
      account_(std::move(account)),
      tlsUp_(account_ && account_->security == SmtpSecurity::Tls) {}

SmtpAction SmtpDialogue::feed(std::string_view bytes) {
    SmtpAction action;
    while (!ended_ && !bytes.empty()) {
        std::string line;
        const StreamLines::Next next = replies_.next(bytes, line);
        if (next == StreamLines::Next::TooLong) {
            fail(action, "the server's reply runs beyond " + std::to_string(kMaxReplyLine) + " bytes");
            break;
        }
        if (next == StreamLines::Next::NeedMore) break;
        const int code = ReplyCode(line);
        // A server's extensions fit in a few lines; an endless list is kept no further.
        if (state_ == kSmtpEhloSent && ehlo_.size() < kMaxEhloLines) ehlo_.push_back(line);
        if (code >= 0) reply(code, line, action);
        if (action.startTls) {
            // What came with the consent is no part of the protected dialogue: never act on it.
            replies_.clear();
            break;
        }
    }
    return action;
}

void SmtpDialogue::reply(int code, const std::string& line, SmtpAction& action) {
    const SmtpRoute route = account_ ? SmtpRoute::OwnServer : SmtpRoute::Maintainers;
    const auto row = std::find_if(std::begin(kReplyTable), std::end(kReplyTable), [&](const SmtpReplyRow& r) {
        return r.lowest <= code && code <= r.highest && (r.in == kSmtpAnyState || r.in == state_) &&
               (r.route == SmtpRoute::Both || r.route == route);
    });
    if (row == std::end(kReplyTable)) return;
    state_ = row->next;
    if (row->status) action.status = row->status;
    switch (row->effect) {
        case SmtpEffect::None:
            break;
        case SmtpEffect::Accepted:
            action.closeSocket = true;
            action.closeWindow = true;
            ended_ = true;
            accepted_ = true;
            break;
        case SmtpEffect::Goodbye:
            disconnected_ = true;
            break;
        case SmtpEffect::Refused:
            failure_ = line;
            break;
        case SmtpEffect::StartTls:
            action.startTls = true;
            break;
    }
    send(row->send, action);
}

void SmtpDialogue::send(SmtpSend what, SmtpAction& action) {
    switch (what) {
        case SmtpSend::Nothing:
            break;
        case SmtpSend::Helo:
            Command(action, "HELO " + mailServer_);
            break;
        case SmtpSend::Rset:
            Command(action, "RSET");
            break;
        case SmtpSend::MailFrom:
            Command(action, "MAIL FROM:<" + (account_ ? OneLine(account_->sender) : mailbox_) + ">");
            break;
        case SmtpSend::RcptTo:
            Command(action, "RCPT TO:<" + (account_ ? OneLine(account_->recipient) : mailbox_) + ">");
            break;
        case SmtpSend::Ehlo:
            ehlo_.clear();
            Command(action, "EHLO " + OneLine(account_->client));
            break;
        case SmtpSend::AfterEhlo:
            afterEhlo(action);
            break;
        case SmtpSend::AuthUser:
            Command(action, Base64(account_->user));
            break;
        case SmtpSend::AuthPassword:
            Command(action, Base64(account_->password));
            break;
        case SmtpSend::AfterLogin:
            afterLogin(action);
            break;
        case SmtpSend::Data:
            Command(action, "DATA");
            dataSinceMessage_ = true;
            break;
        case SmtpSend::Message:
            if (!messageSent_) {
                action.send.append(MailDataText(account_ ? MailHeaderLines(now_(), account_->recipient, account_->sender,
                                                                           account_->replyTo)
                                                         : MailHeaderLines(now_(), mailbox_),
                                                body_));
                action.message = true;
                messageSent_ = true;
                dataSinceMessage_ = false;
            } else if (dataSinceMessage_) {
                fail(action, "the server asked for the message a second time");
            }
            break;
        case SmtpSend::Quit:
            Command(action, "QUIT");
            break;
    }
}

void SmtpDialogue::afterEhlo(SmtpAction& action) {
    if (!tlsUp_ && account_->security == SmtpSecurity::StartTls) {
        if (!offers("STARTTLS")) {
            fail(action, "the server offers no STARTTLS, and nothing goes to it unprotected");
            Command(action, "QUIT");
            return;
        }
        Command(action, "STARTTLS");
        action.status = "Asking for TLS...";
        state_ = kSmtpStartTlsSent;
        return;
    }
    if (account_->user.empty()) {
        afterLogin(action);
        return;
    }
    action.status = "Logging in...";
    if (offers("AUTH", "PLAIN")) {
        Command(action, "AUTH PLAIN " + Base64(std::string(1, '\0') + account_->user + '\0' + account_->password));
        state_ = kSmtpAuthSent;
    } else if (offers("AUTH", "LOGIN")) {
        Command(action, "AUTH LOGIN");
        state_ = kSmtpAuthLoginSent;
    } else {
        fail(action, "the server offers no login by PLAIN or LOGIN");
        Command(action, "QUIT");
    }
}

void SmtpDialogue::afterLogin(SmtpAction& action) {
    if (!account_->loginOnly) {
        send(SmtpSend::MailFrom, action);
        state_ = kSmtpFromSent;
        return;
    }
    Command(action, "QUIT");
    action.status = "The server accepts the settings.";
    action.closeSocket = true;
    verified_ = true;
    ended_ = true;
}

bool SmtpDialogue::offers(std::string_view keyword, std::string_view mechanism) const {
    for (const std::string& line : ehlo_) {
        if (line.size() < 4) continue;
        std::string words = Upper(line.substr(4));
        for (char& c : words)
            if (c == '=') c = ' ';  // the old "AUTH=PLAIN" form
        words = " " + words + " ";
        if (words.starts_with(" " + std::string(keyword) + " ") &&
            (mechanism.empty() || words.find(" " + std::string(mechanism) + " ") != std::string::npos))
            return true;
    }
    return false;
}

SmtpAction SmtpDialogue::tlsStarted() {
    SmtpAction action;
    if (ended_ || state_ != kSmtpTlsStarting) return action;
    tlsUp_ = true;
    state_ = kSmtpEhloSent;
    send(SmtpSend::Ehlo, action);
    return action;
}

SmtpAction SmtpDialogue::messageLeft() {
    SmtpAction action;
    if (awaitingFinalReply()) action.status = kMailStatusWaiting;
    return action;
}

void SmtpDialogue::fail(SmtpAction& action, std::string why) {
    failure_ = std::move(why);
    action.status = kMailStatusError;
    action.closeSocket = true;
    state_ = kSmtpErrorState;
    ended_ = true;
    replies_.clear();
}

SmtpAction SmtpDialogue::closed() {
    SmtpAction action;
    if (ended_) return action;
    if (disconnected_) {
        ended_ = true;
        action.closeSocket = true;
        return action;
    }
    fail(action, "the server closed the connection");
    return action;
}

SmtpAction SmtpDialogue::failed(std::string why) {
    SmtpAction action;
    if (ended_) return action;
    if (disconnected_) return closed();
    fail(action, std::move(why));
    return action;
}

SmtpAction SmtpDialogue::cancel() {
    SmtpAction action;
    if (ended_) return action;
    // Between commands a QUIT takes leave politely; once the message is on its way, only a hard
    // drop keeps its final "." from reaching the server.
    if (messageSent_ && state_ == kSmtpMessageSent)
        action.dropHard = true;
    else
        Command(action, "QUIT");
    action.status = kMailStatusCancelled;
    action.closeSocket = true;
    ended_ = true;
    replies_.clear();
    return action;
}

}  // namespace tolva
