#pragma once
// The Info window of page 2: when a game counts as unplayable.
#include <QWidget>

class QPushButton;

namespace tolva {

class Info1FORM : public QWidget {
    Q_OBJECT

public:
    explicit Info1FORM(QWidget* parent = nullptr);

    void OkBUTTON_Click();

private:
    QPushButton* OkBUTTON = nullptr;
};

}  // namespace tolva
