#pragma once
// Mail2FORM follows the mail window, sent or not: it advertises bleem!'s game testing programme
// and links to its maker's web site.
#include "app/host/toolwindow.h"

class QLabel;
class QPushButton;

namespace tolva {

class MainHost;

class Mail2FORM : public ToolWindow {
    Q_OBJECT

public:
    explicit Mail2FORM(MainHost& main);

    void OkBUTTON_Click();
    void WebLABEL_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MainHost& main_;
    QLabel* PICTUREBOX = nullptr;
    QLabel* SwagLABEL = nullptr;  ///< the caption set on load
    QLabel* Label1 = nullptr;
    QLabel* WebLABEL = nullptr;
    QPushButton* OkBUTTON = nullptr;
};

}  // namespace tolva
