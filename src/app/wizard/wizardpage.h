#pragma once
// What every page of the Add/Edit wizard shares: a fixed-size window with the WIZARD picture on
// the left, the page's own texts and choices on the right and "< Back", "Next >" and "Abort" at
// the bottom; the common steps of loading; closing through the frame as Abort; and the common
// error message for a failure in any of its events.
#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace tolva {

class MainHost;
class WizardRun;
struct Platform;
struct WizardState;
struct ProgramState;

class WizardPage : public QWidget {
    Q_OBJECT

public:
    WizardPage(WizardRun& run, int number);

    int number() const { return number_; }

    /// The common steps (ActivePage, captions, picture), then the page's own preselection.
    void Form_Load();
    void ForwardBUTTON_Click();
    void BackBUTTON_Click();
    void AbortBUTTON_Click();

    QLabel* PICTUREBOX = nullptr;
    QPushButton* BackBUTTON = nullptr;
    QPushButton* ForwardBUTTON = nullptr;
    QPushButton* AbortBUTTON = nullptr;

protected:
    /// The page's own preselection from the wizard state.
    virtual void load() {}
    /// The page's checks and stores on Next, ending in a page switch (or staying).
    virtual void next() = 0;
    /// The page's stores on Back, ending in a page switch.
    virtual void back() = 0;

    /// The column that holds the page's texts and choices.
    QVBoxLayout* content() const { return content_; }
    /// A text of the page, wrapped to the column's width.
    QLabel* addText(const QString& text);

    /// Runs a handler of this page; a failure inside shows the common error message naming
    /// "<page>.<handler>". Returns false when the program has ended or the run is over.
    bool guarded(const char* handler, const std::function<void()>& body);
    bool ended() const;

    WizardRun& run() { return run_; }
    MainHost& main();
    ProgramState& state();
    WizardState& wizard();
    Platform& platform();

    void closeEvent(QCloseEvent* event) override;

private:
    WizardRun& run_;
    int number_;
    QVBoxLayout* content_ = nullptr;
};

}  // namespace tolva
