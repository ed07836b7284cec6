#include "core/mail/smtp.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace tolva {
namespace {

void Command(SmtpAction& action, std::string_view command) {
    action.send.append(command).append("\r\n");
}

constexpr SmtpReplyRow kReplyTable[] = {
    {220, 220, kSmtpAnyState, SmtpSend::Helo, "Mail Server is ready...", kSmtpHeloSent, SmtpEffect::None},
    {250, 250, kSmtpHeloSent, SmtpSend::Rset, "Sending Rset to server...", kSmtpRsetSent, SmtpEffect::None},
    {250, 250, kSmtpRsetSent, SmtpSend::MailFrom, "Sending FROM command...", kSmtpFromSent, SmtpEffect::None},
    {250, 250, kSmtpFromSent, SmtpSend::RcptTo, "Sending RCPT command...", kSmtpRcptSent, SmtpEffect::None},
    {250, 250, kSmtpRcptSent, SmtpSend::Data, "Sending DATA command...", kSmtpDataSent, SmtpEffect::None},
    // The state changes before the message goes, whatever state the server asked in.
    {354, 354, kSmtpAnyState, SmtpSend::Message, nullptr, kSmtpMessageSent, SmtpEffect::None},
    {250, 250, kSmtpMessageSent, SmtpSend::Quit, "Sending Quit command to disconnecting from mail server...",
     kSmtpMessageSent, SmtpEffect::Accepted},
    {221, 221, kSmtpErrorState, SmtpSend::Nothing, "Disconnected from mail server after error...", kSmtpStart,
     SmtpEffect::Goodbye},
    {221, 221, kSmtpAnyState, SmtpSend::Nothing, "Disconnected from mail server...", kSmtpStart, SmtpEffect::Goodbye},
    {500, 599, kSmtpAnyState, SmtpSend::Quit, kMailStatusError, kSmtpErrorState, SmtpEffect::Refused},
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
                           std::vector<std::string> body, DateSource now)
    : mailServer_(std::move(mailServer)),
      mailbox_(std::move(mailbox)),
      body_(std::move(body)),
      now_(std::move(now)) {}

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
        if (code >= 0) reply(code, line, action);
    }
    return action;
}

void SmtpDialogue::reply(int code, const std::string& line, SmtpAction& action) {
    const auto row = std::find_if(std::begin(kReplyTable), std::end(kReplyTable), [&](const SmtpReplyRow& r) {
        return r.lowest <= code && code <= r.highest && (r.in == kSmtpAnyState || r.in == state_);
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
            Command(action, "MAIL FROM:<" + mailbox_ + ">");
            break;
        case SmtpSend::RcptTo:
            Command(action, "RCPT TO:<" + mailbox_ + ">");
            break;
        case SmtpSend::Data:
            Command(action, "DATA");
            dataSinceMessage_ = true;
            break;
        case SmtpSend::Message:
            if (!messageSent_) {
                action.send.append(MailDataText(MailHeaderLines(now_(), mailbox_), body_));
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
