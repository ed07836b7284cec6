#include "core/mail/smtp.h"

#include <utility>

namespace tolva {
namespace {

void Send(SmtpAction& action, std::string_view command) {
    action.send.append(command).append("\r\n");
}

}  // namespace

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
        const std::size_t lf = bytes.find('\n');
        const std::size_t take = lf == std::string_view::npos ? bytes.size() : lf;
        if (pending_.size() + take > kMaxReplyLine) {
            fail(action, "the server's reply runs beyond " + std::to_string(kMaxReplyLine) + " bytes");
            break;
        }
        pending_.append(bytes.substr(0, take));
        if (lf == std::string_view::npos) break;
        bytes.remove_prefix(lf + 1);

        std::string line = std::move(pending_);
        pending_.clear();
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const int code = ReplyCode(line);
        if (code >= 0) reply(code, line, action);
    }
    return action;
}

void SmtpDialogue::reply(int code, const std::string& line, SmtpAction& action) {
    if (code == 220) {
        Send(action, "HELO " + mailServer_);
        action.status = "Mail Server is ready...";
        state_ = 6;
    } else if (code == 250 && state_ == 6) {
        Send(action, "RSET");
        action.status = "Sending Rset to server...";
        state_ = 1;
    } else if (code == 250 && state_ == 1) {
        Send(action, "MAIL FROM:<" + mailbox_ + ">");
        action.status = "Sending FROM command...";
        state_ = 2;
    } else if (code == 250 && state_ == 2) {
        Send(action, "RCPT TO:<" + mailbox_ + ">");
        action.status = "Sending RCPT command...";
        state_ = 3;
    } else if (code == 250 && state_ == 3) {
        Send(action, "DATA");
        dataSinceMessage_ = true;
        action.status = "Sending DATA command...";
        state_ = 4;
    } else if (code == 354) {
        state_ = 5;
        if (!messageSent_) {
            action.send.append(MailDataText(MailHeaderLines(now_(), mailbox_), body_));
            action.message = true;
            messageSent_ = true;
            dataSinceMessage_ = false;
        } else if (dataSinceMessage_) {
            fail(action, "the server asked for the message a second time");
        }
    } else if (code == 250 && state_ == 5) {
        Send(action, "QUIT");
        action.status = "Sending Quit command to disconnecting from mail server...";
        action.closeSocket = true;
        action.closeWindow = true;
        ended_ = true;
        accepted_ = true;
    } else if (code == 221) {
        action.status = state_ == kSmtpErrorState ? "Disconnected from mail server after error..."
                                                  : "Disconnected from mail server...";
        state_ = 0;
        disconnected_ = true;
    } else if (code >= 500 && code <= 599) {
        Send(action, "QUIT");
        failure_ = line;
        action.status = kMailStatusError;
        state_ = kSmtpErrorState;
    }
}

void SmtpDialogue::fail(SmtpAction& action, std::string why) {
    failure_ = std::move(why);
    action.status = kMailStatusError;
    action.closeSocket = true;
    state_ = kSmtpErrorState;
    ended_ = true;
    pending_.clear();
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
    if (messageSent_ && state_ == 5)
        action.dropHard = true;
    else
        Send(action, "QUIT");
    action.status = kMailStatusCancelled;
    action.closeSocket = true;
    ended_ = true;
    pending_.clear();
    return action;
}

}  // namespace tolva
