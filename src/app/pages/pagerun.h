#pragma once
// One run of a page wizard (Add/Edit, Repair, Compare): shows its first page centred on the
// screen and runs it through the host, blocking, while WizardActive is true; moves from page to
// page by number (the next page takes the place of the current one where it stands, and the run
// with it), and ends on Abort, on Finish or with the program. Pages exist one at a time; what must
// outlive a page is in the wizard state or in the run.
//
// A page describes only itself: its texts and choices, what Next (or Start, or Finish) and Back
// do, and its own preselection. The frame around it (picture, buttons, captions, closing through
// the frame as Abort, the common error message for a failure in any of its handlers) is Page.
#include <QList>
#include <QPointer>
#include <QString>
#include <functional>

#include "app/host/toolwindow.h"
#include "app/platform/seams.h"

class QLabel;
class QHBoxLayout;
class QPushButton;
class QVBoxLayout;

namespace tolva {

class MainHost;
class Page;
struct Platform;
struct ProgramState;

class PageRun {
public:
    /// Makes page `number` of this wizard.
    using PageMaker = std::function<Page*(int number)>;

    PageRun(MainHost& main, PageMaker make);
    virtual ~PageRun();
    PageRun(const PageRun&) = delete;
    PageRun& operator=(const PageRun&) = delete;

    /// Shows page 1 and returns once the run has ended, with the main window active again.
    void Run();
    /// Page `number` takes the place of the current page.
    void goTo(int number);
    /// Abort and the end of Finish: WizardActive false, the page finished, and with it the run.
    void end();

    bool active() const;
    Page* current() const { return current_; }
    MainHost& main() { return main_; }
    ProgramState& state();
    Platform& platform();

private:
    Page* create(int number);

    MainHost& main_;
    PageMaker make_;
    QPointer<Page> current_;
    QList<QPointer<Page>> retired_;  ///< left pages, deleted later or with the run
};

class Page : public ToolWindow {
    Q_OBJECT

public:
    /// name: the page's objectName; number: its ActivePage; suffix: what follows the title in its
    /// caption and the main window's; picture: the resource on its left; column: the fixed
    /// width of its texts, or 0 for a column as wide as they need.
    Page(PageRun& run, const QString& name, int number, const QString& suffix, const QString& picture,
            int column = 0);

    int number() const { return number_; }

    /// The common steps (ActivePage, captions), then the page's own preselection.
    void Form_Load();

protected:
    /// The page's own preselection.
    virtual void load() {}
    /// Next, Start or Finish: the page's checks and stores, ending in a move (or staying).
    virtual void next() {}
    /// Back: the page's stores, ending in a move.
    virtual void back() {}

    /// The column that holds the page's texts and choices.
    QVBoxLayout* content() const { return content_; }
    /// A text of the page, wrapped to the column's width; named when `name` is given.
    QLabel* addText(const QString& text, const char* name = nullptr, bool bold = false);
    /// A start page's buttons: "Start" (next) and "Abort".
    void addStartButtons();
    /// A page's buttons: "< Back", forwardCaption (next) and "Abort".
    void addPageButtons(const QString& forwardCaption);

    /// Runs a handler of this page; a failure inside shows the common error message naming
    /// "<page>.<handler>".
    void guarded(const char* handler, const std::function<void()>& body);
    /// Connects a control's signal to a handler of this page, guarded under the handler's name
    /// and behind the program's end boundary.
    template <typename Sender, typename Signal>
    void on(Sender* sender, Signal signal, const char* handler, std::function<void()> body) {
        connect(sender, signal, this, [this, handler, body = std::move(body)] {
            Guarded(platform(), [&] { guarded(handler, body); });
        });
    }

    /// The run this page belongs to, as the wizard's own run class where a page needs its data.
    template <class Run = PageRun>
    Run& run() {
        return static_cast<Run&>(run_);
    }
    MainHost& main();
    ProgramState& state();
    Platform& platform();

    /// Closing through the frame is Abort; a page that cannot be left (Finish under way, a window
    /// of its own open) stays.
    void abort() override;

private:
    QPushButton* addButton(const char* name, const QString& caption);

    PageRun& run_;
    int number_;
    QVBoxLayout* content_ = nullptr;
    QHBoxLayout* buttons_ = nullptr;

protected:
    QLabel* PICTUREBOX = nullptr;
    QPushButton* OkBUTTON = nullptr;  ///< a start page's "Start"
    QPushButton* BackBUTTON = nullptr;
    QPushButton* ForwardBUTTON = nullptr;
    QPushButton* AbortBUTTON = nullptr;
};

}  // namespace tolva
