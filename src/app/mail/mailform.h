#pragma once
// MailFORM sends the user's name, address and comment with the whole game table to the
// maintainers. "Finish" opens a TCP connection to the mail server; from then on every reply the
// server sends is fed to the SMTP dialogue of the core, and this window only moves its bytes and
// shows its status texts.
#include <QWidget>
#include <chrono>
#include <memory>

#include "core/mail/smtp.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTcpSocket;
class QTimer;

namespace tolva {

class MainHost;


class MailFORM : public QWidget {
    Q_OBJECT

public:
    explicit MailFORM(MainHost& main);
    ~MailFORM() override;

    void OkBUTTON_Click();
    void AbortBUTTON_Click();

    /// How long to wait for the connection or the next reply before giving up; tests shorten it.
    void setReplyTimeout(std::chrono::milliseconds timeout);
    /// The SMTP dialogue state: 0 before "Finish".
    int dialogueState() const;

    QLabel* PICTUREBOX = nullptr;
    QLineEdit* NickTEXT = nullptr;
    QLineEdit* UserMailTEXT = nullptr;
    QPlainTextEdit* CommentTEXT = nullptr;
    QLineEdit* StatusTEXT = nullptr;
    QPushButton* OkBUTTON = nullptr;
    QPushButton* AbortBUTTON = nullptr;
    QTcpSocket* MSWINSCK = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void MSWINSCK_DataArrival();
    void MSWINSCK_Close();
    void MSWINSCK_Error();
    void ReplyTimedOut();
    void apply(const SmtpAction& action);
    void setStatus(const std::string& text);
    void abortSending();

    MainHost& main_;
    std::unique_ptr<SmtpDialogue> dialogue_;
    QTimer* replyTimer_ = nullptr;
    QTimer* deadlineTimer_ = nullptr;  // the whole dialogue's limit
    bool closing_ = false;
};

}  // namespace tolva
