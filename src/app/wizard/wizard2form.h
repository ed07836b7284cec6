#pragma once
// Page 2: the game's title and disc ID, typed or read from the game CD in a drive, and whether
// the game works with bleem! at all.
#include <QList>
#include <QString>

#include "app/wizard/wizardpage.h"

class QCheckBox;
class QDragEnterEvent;
class QDropEvent;
class QKeyEvent;
class QLineEdit;

namespace tolva {

class Wizard2FORM : public WizardPage {
    Q_OBJECT

public:
    explicit Wizard2FORM(PageRun& run);

    void idTEXT_Change();
    void titleTEXT_Change();
    /// Reads the disc ID of the game CD in drive button `index`.
    void driveBUTTON_Click(int index);
    /// Reads the disc ID from a disc image the user picks.
    void ImageBUTTON_Click();
    void InfoBUTTON_Click();

protected:
    void load() override;
    void next() override;
    void back() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    /// A disc image dropped on the page is read as the "Disc image..." button reads one.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool idTEXT_KeyPress(QKeyEvent* event);
    void enableForward();
    void report(const QString& text);
    /// What a drive button does with the disc at path: its disc ID into idTEXT, or the message.
    void readDisc(const QString& path);

    /// One per CD-ROM drive, in drive order; each has the objectName "driveBUTTON".
    QList<QPushButton*> driveBUTTON;
    QList<QString> driveRoots_;
    QLineEdit *titleTEXT = nullptr, *idTEXT = nullptr;
    QCheckBox* runningCHECK = nullptr;
    QPushButton* InfoBUTTON = nullptr;
    /// "Disc image...", beside the drive buttons.
    QPushButton* ImageBUTTON = nullptr;
};

}  // namespace tolva
