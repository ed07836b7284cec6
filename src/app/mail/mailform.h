#pragma once
// MailFORM sends the user's name, address and comment with the whole game table to the
// maintainers. "Finish" opens a TCP connection to the mail server; from then on every reply the
// server sends is fed to the SMTP dialogue of the core, and this window only moves its bytes and
// shows its status texts and the message's progress. Silence is measured only once our last byte
// has left: while the message is still going out, every byte that leaves restarts the wait; once
// all of it has left, the reply to it gets the protocol's longer wait, beyond the dialogue's limit.
// Abort while sending cancels and keeps the window, like a failure, so the user may send again.
// With the user's own mail server chosen (Servers window), the same dialogue speaks EHLO, TLS and
// a login to it, and the window's address goes into Reply-To.
#include <QNetworkProxy>
#include <chrono>
#include <memory>

#include "app/host/toolwindow.h"
#include "app/platform/widgetsfwd.h"
#include "core/mail/smtp.h"

class QSslSocket;
class QTimer;

namespace tolva {

class MainHost;

/// Raw mail to host never goes through a web proxy; a SOCKS proxy in all_proxy carries it unless
/// no_proxy spares host (socks5h: the proxy resolves the name).
QNetworkProxy MailProxy(const std::string& host);

class MailFORM : public ToolWindow {
    Q_OBJECT

public:
    explicit MailFORM(MainHost& main);
    ~MailFORM() override;

    void OkBUTTON_Click();
    void AbortBUTTON_Click();

    /// How long to wait for the connection or the next reply before giving up, and for the reply
    /// to the message once all of it has left; tests shorten them.
    void setReplyTimeout(std::chrono::milliseconds timeout,
                         std::chrono::milliseconds finalReply = std::chrono::seconds(kMailFinalReplySeconds));
    /// The SMTP dialogue state: 0 before "Finish".
    int dialogueState() const;

protected:
    /// The frame's close button is Abort, whether before, during or after sending.
    void abort() override;

private:
    void MSWINSCK_DataArrival();
    void MSWINSCK_Close();
    void MSWINSCK_Error();
    void MSWINSCK_SendProgress(qint64 bytes);
    /// Follows what the system still holds of our bytes: a shrinking queue is progress, an
    /// empty one starts the wait for the reply.
    void watchQueue();
    void ReplyTimedOut();
    void setInputsEnabled(bool enabled);
    bool sending() const;
    void apply(const SmtpAction& action);
    void setStatus(const std::string& text);
    void abortSending();
    /// The run goes on to the notice; after an abandoned mail the main window is usable meanwhile.
    void toNotice(bool abandoned);

    MainHost& main_;
    std::unique_ptr<SmtpDialogue> dialogue_;
    QTimer* replyTimer_ = nullptr;
    QTimer* deadlineTimer_ = nullptr;  // the whole dialogue's limit
    QTimer* queueTimer_ = nullptr;     // looks at the system's queue while it drains
    qint64 written_ = 0;               // bytes handed to the socket in this attempt
    qint64 left_ = 0;                  // bytes the socket handed to the system
    qint64 queued_ = 0;                // bytes the system held at the last look
    qint64 messageStart_ = -1;         // written_ when the message began, -1 before
    qint64 messageSize_ = 0;
    std::chrono::milliseconds replyWait_{std::chrono::seconds(kMailReplySeconds)};
    std::chrono::milliseconds finalReplyWait_{std::chrono::seconds(kMailFinalReplySeconds)};
    bool awaitingFinalReply_ = false;  // the whole message has left; its reply's longer wait runs
    QLabel* PICTUREBOX = nullptr;
    QLineEdit* NickTEXT = nullptr;
    QLineEdit* UserMailTEXT = nullptr;
    QPlainTextEdit* CommentTEXT = nullptr;
    QLineEdit* StatusTEXT = nullptr;
    QProgressBar* ProgressBar = nullptr;
    QPushButton *OkBUTTON = nullptr, *AbortBUTTON = nullptr;
    QSslSocket* MSWINSCK = nullptr;
};

}  // namespace tolva
