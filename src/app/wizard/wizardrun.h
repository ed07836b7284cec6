#pragma once
// One run of the Add/Edit wizard: shows page 1 centred on the screen, keeps the main window
// disabled and waiting in a local event loop while WizardActive is true, switches pages in place
// and ends the run. Pages exist one at a time; whatever must outlive a page is in the wizard state.
#include <QEventLoop>
#include <QList>
#include <QObject>
#include <QPointer>

#include "app/wizard/wizardpage.h"

namespace tolva {

class MainFORM;
struct Platform;
struct ProgramState;

class WizardRun : public QObject {
    Q_OBJECT

public:
    explicit WizardRun(MainFORM& main);
    ~WizardRun() override;

    /// Start: returns once the run has ended (Abort, Finish, or the end of the program).
    void Start();

    /// Page switch: the target page takes the place of `from`, which is destroyed.
    void switchTo(WizardPage* from, int page);
    /// Abort and the end of Finish: WizardActive false, the main window enabled, the page destroyed.
    void end();
    /// A secondary window of the current page (Info) that comes to the front after the page.
    void setOverlay(QWidget* window);

    WizardPage* current() const { return current_; }
    MainFORM& main() { return main_; }
    ProgramState& state();
    Platform& platform();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WizardPage* create(int page);
    void retire(WizardPage* page);
    void bringToFront();

    MainFORM& main_;
    QEventLoop loop_;
    QPointer<WizardPage> current_;
    QPointer<QWidget> overlay_;
    QList<QPointer<WizardPage>> retired_;  ///< left pages, deleted later or with the run
};

}  // namespace tolva
