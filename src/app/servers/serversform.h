#pragma once
// ServersFORM: where the update comes from (the maintainers' server or a web address) and which
// server takes the mail (the maintainers' or the user's own, with TLS and a login). The values
// live in the settings group "Servers", the password only in the keyring. "Test" sends nothing:
// it fetches the update address, or logs in to the mail server and says goodbye.
#include <memory>

#include "app/host/toolwindow.h"
#include "app/platform/servers.h"
#include "app/platform/widgetsfwd.h"

class QSslSocket;
class QTimer;

namespace tolva {

class ServersFORM final : public ToolWindow {
    Q_OBJECT

public:
    explicit ServersFORM(MainHost& host);
    ~ServersFORM() override;

    /// The wait for each reply of the mail test; tests shorten it.
    void setReplyTimeout(int ms);

    void OkBUTTON_Click();
    void UpdateTestBUTTON_Click();
    void MailTestBUTTON_Click();

Q_SIGNALS:
    /// A test has ended; ResultLABEL says how.
    void tested();

protected:
    /// Closing waits for a fetch under way: the window's run is still on the stack.
    void abort() override;

private:
    ServerChoice shown() const;
    void showChoice(const ServerChoice& choice);
    void enableFields();
    void securityChanged();
    /// Whether the choice may be used: complete, and a plain connection to another machine
    /// confirmed; says what is missing otherwise.
    bool usable(ServerChoice& choice);
    void showResult(const QString& text);
    void mailTestArrived();
    void mailTestEnded();

    std::unique_ptr<SmtpDialogue> dialogue_;
    int replyWait_ = kMailReplySeconds * 1000;
    bool fetching_ = false;
    QSslSocket* socket_ = nullptr;
    QTimer* replyTimer_ = nullptr;
    QRadioButton* UpdateMaintainersOPTION = nullptr;
    QRadioButton* UpdateAddressOPTION = nullptr;
    QLineEdit* UpdateAddressTEXT = nullptr;
    QPushButton* UpdateTestBUTTON = nullptr;
    QRadioButton* MailMaintainersOPTION = nullptr;
    QRadioButton* MailOwnOPTION = nullptr;
    QLineEdit* HostTEXT = nullptr;
    QLineEdit* PortTEXT = nullptr;
    QComboBox* SecurityCOMBO = nullptr;
    QLineEdit* UserTEXT = nullptr;
    QLineEdit* PasswordTEXT = nullptr;
    QCheckBox* RememberCHECK = nullptr;
    QLineEdit* SenderTEXT = nullptr;
    QLineEdit* RecipientTEXT = nullptr;
    QPushButton* MailTestBUTTON = nullptr;
    QLabel* ResultLABEL = nullptr;
    QPushButton* OkBUTTON = nullptr;
    QPushButton* CancelBUTTON = nullptr;
};

}  // namespace tolva
