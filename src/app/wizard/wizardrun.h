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

class MainHost;
struct Platform;
struct ProgramState;

class WizardRun : public QObject {
    Q_OBJECT

public:
    explicit WizardRun(MainHost& main);
    ~WizardRun() override;

    /// Start: returns once the run has ended (Abort, Finish, or the end of the program).
    void Start();

    /// Page switch: the target page takes the place of `from`, which is destroyed.
    void switchTo(WizardPage* from, int page);
    /// Abort and the end of Finish: WizardActive false, the main window enabled, the page destroyed.
    void end();

    WizardPage* current() const { return current_; }
    MainHost& main() { return main_; }
    ProgramState& state();
    Platform& platform();

private:
    WizardPage* create(int page);
    void retire(WizardPage* page);

    MainHost& main_;
    QEventLoop loop_;
    QPointer<WizardPage> current_;
    QList<QPointer<WizardPage>> retired_;  ///< left pages, deleted later or with the run
};

}  // namespace tolva
