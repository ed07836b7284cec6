#pragma once
// The page chain that the repair and compare wizards share: a run shows one page at a time with
// the main window disabled, and waits in its own event loop until Abort or Finish ends it. Pages
// are fixed-size windows with the wizard's picture on the left and their buttons at the bottom;
// closing one through its frame is its Abort.
#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <functional>

class QCheckBox;
class QEventLoop;
class QLabel;
class QVBoxLayout;

namespace tolva {

class MainHost;
class ToolPage;

class ToolWizard {
public:
    explicit ToolWizard(MainHost& main) : main_(main) {}
    virtual ~ToolWizard() = default;
    ToolWizard(const ToolWizard&) = delete;
    ToolWizard& operator=(const ToolWizard&) = delete;

    /// Shows first centred on the screen, disables the main window and waits until the run ends;
    /// then gives the main window the focus, clears its search box and restores its caption.
    void Run(ToolPage* first);
    /// Shows target where the current page is and closes the current page.
    void GoTo(ToolPage* target);
    /// Ends the run (Abort, or the end of Finish): WizardActive false, the main window enabled,
    /// the page closed.
    void End();
    /// Stops waiting after the program was ended from inside the run; nothing else is restored.
    void Stop();

    bool active() const;
    ToolPage* current() const { return current_; }
    MainHost& main() { return main_; }

private:
    MainHost& main_;
    QPointer<ToolPage> current_;
    QEventLoop* loop_ = nullptr;
};

class ToolPage : public QWidget {
    Q_OBJECT

public:
    /// The page's load: ActivePage becomes number, the page and the main window get the title
    /// followed by suffix, and picture is shown.
    ToolPage(ToolWizard& wizard, const QString& name, int number, const QString& suffix, const QString& picture);

    void AbortBUTTON_Click();
    /// Closes the page for good (leaving it; not an Abort).
    void leave();

    QLabel* PICTUREBOX = nullptr;
    QPushButton* OkBUTTON = nullptr;  ///< the start page's "Start"
    QPushButton* BackBUTTON = nullptr;
    QPushButton* ForwardBUTTON = nullptr;
    QPushButton* AbortBUTTON = nullptr;

protected:
    /// Where a page puts its texts and lists, right of the picture.
    QVBoxLayout* content() const { return content_; }
    /// A wrapped text label with objectName name.
    QLabel* addText(const char* name, const QString& text, bool bold = false);
    /// The start page's buttons: "Start" and "Abort".
    void addStartButtons();
    /// A page's buttons: "< Back", forwardCaption and "Abort".
    void addPageButtons(const QString& forwardCaption);
    /// True when the program was ended meanwhile; the run then stops waiting.
    bool ended();

    /// Runs a handler of this page; a failure inside shows the common error message naming
    /// "<page>.<handler>".
    void guarded(const char* handler, const std::function<void()>& body);

    /// Connects a button to a handler of the page, guarded under its name.
    template <typename Page>
    void onClick(QPushButton* button, const char* handler, void (Page::*slot)()) {
        connect(button, &QPushButton::clicked, this, [this, handler, slot] {
            guarded(handler, [this, slot] { (static_cast<Page*>(this)->*slot)(); });
        });
    }

    void closeEvent(QCloseEvent* event) override;

    ToolWizard& wizard_;

private:
    QVBoxLayout* content_ = nullptr;
    QVBoxLayout* outer_ = nullptr;
    bool leaving_ = false;
};

/// The last page of both wizards: optional Clean Up afterwards, and "Finish".
class ToolFinishPage : public ToolPage {
    Q_OBJECT

public:
    ToolFinishPage(ToolWizard& wizard, const QString& name, int number, const QString& suffix, const QString& picture);

    /// Finish: the page's controls are disabled, finishWork runs, then Clean Up when Check1 is
    /// ticked, then the run ends.
    void ForwardBUTTON_Click();

    QCheckBox* Check1 = nullptr;

protected:
    /// What the wizard writes before the optional Clean Up; false skips the Clean Up.
    virtual bool finishWork() { return true; }
};

}  // namespace tolva
