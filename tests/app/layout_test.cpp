// Every window at a high scale factor, and the windows' remembered places.
#include <QAbstractScrollArea>
#include <QApplication>
#include <QLayout>
#include <QScreen>
#include <QSplitter>

#include "app/history/historyform.h"
#include "app/history/previewform.h"
#include "app/mail/mail2form.h"
#include "app/mail/mailform.h"
#include "app/mainwindow/splashform.h"
#include "app/startup/dialog.h"
#include "app/startup/searchform.h"
#include "app/tools/cleanupform.h"
#include "app/tools/compare1form.h"
#include "app/tools/repair1form.h"
#include "app/tools/repair2form.h"
#include "app/tools/repair5form.h"
#include "app/update/downloadform.h"
#include "app/update/downloadform2.h"
#include "app/update/updateform.h"
#include "app/wizard/info1form.h"
#include "app/wizard/wizard1form.h"
#include "app/wizard/wizard2form.h"
#include "app/wizard/wizard3form.h"
#include "app/wizard/wizard8form.h"
#include "support/window.h"

using namespace tolva;
using namespace tolva::test;

/// Makes one window of the program for the main window m; what the window refers to lives as
/// long as the pointer.
using Maker = std::function<std::shared_ptr<QWidget>(LoadedMain&)>;
Q_DECLARE_METATYPE(Maker)

namespace {

class LayoutTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fitsSmallScreen_data();
    void fitsSmallScreen();
    void placeComesBack();
};

// A window and what it refers to, deleted together.
std::shared_ptr<QWidget> Own(QWidget* window, std::shared_ptr<void> keep = {}) {
    return std::shared_ptr<QWidget>(window, [keep](QWidget* w) { delete w; });
}

template <class Run, class Page>
std::shared_ptr<QWidget> PageOf(LoadedMain& m) {
    auto run = std::make_shared<Run>(*m.main);
    auto* page = new Page(*run);
    page->Form_Load();
    return Own(page, run);
}

// Left out: pages of a class or a text width a row already has (Wizard4-7FORM are Wizard3FORM's,
// Repair3-4FORM Repair2FORM's, Compare4FORM Repair5FORM's; compare pages wrap at Compare1FORM's).
void LayoutTest::fitsSmallScreen_data() {
    QTest::addColumn<Maker>("make");
    auto row = [](const char* tag, Maker make) { QTest::newRow(tag) << make; };
    row("MainFORM", [](LoadedMain& m) { return std::shared_ptr<QWidget>(m.main.get(), [](QWidget*) {}); });
    row("Wizard1FORM", PageOf<WizardRun, Wizard1FORM>);
    row("Wizard2FORM", PageOf<WizardRun, Wizard2FORM>);
    row("Wizard3FORM", PageOf<WizardRun, Wizard3FORM>);
    row("Wizard8FORM", PageOf<WizardRun, Wizard8FORM>);
    row("Repair1FORM", PageOf<RepairWizard, Repair1FORM>);
    row("Repair2FORM", PageOf<RepairWizard, Repair2FORM>);
    row("Repair5FORM", PageOf<RepairWizard, Repair5FORM>);
    row("Compare1FORM", PageOf<CompareWizard, Compare1FORM>);
    row("Info1FORM", [](LoadedMain&) { return Own(new Info1FORM); });
    row("CleanUpFORM", [](LoadedMain& m) { return Own(new CleanUpFORM(*m.main)); });
    row("SearchFORM", [](LoadedMain& m) {
        auto dialog = std::make_shared<Dialog>(m.t.chooser, nullptr);
        return Own(new SearchFORM(m.state, m.t.platform, *dialog), dialog);
    });
    row("Search2FORM", [](LoadedMain& m) {
        auto dialog = std::make_shared<Dialog>(m.t.chooser, nullptr);
        return Own(new Search2FORM(m.state, m.t.platform, *dialog), dialog);
    });
    row("DownloadFORM", [](LoadedMain& m) {
        return Own(new DownloadFORM(m.state.update, m.t.platform, Endpoint{"127.0.0.1", 9}));
    });
    row("DownloadFORM2", [](LoadedMain& m) {
        return Own(new DownloadFORM2(m.state.update, m.t.platform, QUrl("http://127.0.0.1:9/update.ini")));
    });
    row("UpdateFORM", [](LoadedMain& m) { return Own(new UpdateFORM(*m.main, UpdateData{}, {"Beta"})); });
    row("MailFORM", [](LoadedMain& m) { return Own(new MailFORM(*m.main)); });
    row("Mail2FORM", [](LoadedMain& m) { return Own(new Mail2FORM(*m.main)); });
    row("HistoryFORM", [](LoadedMain& m) { return Own(new HistoryFORM(*m.main)); });
    row("PreviewFORM", [](LoadedMain&) { return Own(new PreviewFORM(QStringLiteral("What \"Clean Up\" would change:"), {})); });
    row("SplashFORM", [](LoadedMain& m) { return Own(new SplashFORM(m.t.platform)); });
}

// Whether a control shows whole at the size it was given: inside its window, and a wrapped text
// as tall as its lines need. Controls inside a scrolling area are the area's business.
QString Cut(QWidget* window) {
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window)) continue;
        bool scrolled = false;
        for (QWidget* up = control->parentWidget(); up != window; up = up->parentWidget())
            scrolled = scrolled || qobject_cast<QAbstractScrollArea*>(up);
        if (scrolled) continue;
        const QRect place(control->mapTo(window, QPoint()), control->size());
        const auto* label = qobject_cast<QLabel*>(control);
        if (!window->rect().contains(place) ||
            (label && label->wordWrap() && label->height() < label->heightForWidth(label->width())))
            return control->objectName() + QStringLiteral(" (%1)").arg(control->metaObject()->className());
    }
    return {};
}

void LayoutTest::fitsSmallScreen() {
    QFETCH(Maker, make);
    // 1280x720 pixels at scale 1.5, less a frame and title bar.
    const QSize screen(840, 440);
    LoadedMain m(Entry("1111111111", "Alpha", "80000000H"));
    const std::shared_ptr<QWidget> window = make(m);
    window->show();
    QCOMPARE(window->devicePixelRatioF(), 1.5);
    QVERIFY(window->screen()->availableGeometry().contains(window->frameGeometry()));  // opens within the screen
    const QSize least = window->minimumSize().expandedTo(window->minimumSizeHint());
    QVERIFY2(least.boundedTo(screen) == least, qPrintable(QStringLiteral("%1x%2").arg(least.width()).arg(least.height())));
    window->resize(least);
    QCoreApplication::processEvents();
    QCOMPARE(Cut(window.get()), QString());
    for (const QLabel* picture : window->findChildren<QLabel*>())
        if (!picture->pixmap().isNull()) QCOMPARE(picture->pixmap().devicePixelRatio(), 1.5);  // drawn sharp
}

// The main window stands for every window that keeps its place: one mechanism serves them all.
void LayoutTest::placeComesBack() {
    const QByteArray ini = Entry("1111111111", "Alpha", "80000000H");
    auto start = [&](const QMap<QString, QString>& windows) {
        auto run = std::make_unique<LoadedMain>();
        run->t.write(QStringLiteral("program/bleem!.INI"), ini);
        run->t.write(QStringLiteral("program/Compatibility.TXT"), kTxt);
        run->t.settings.windows = windows;
        if (!run->start()) qFatal("the main window did not load");
        return run;
    };
    auto columns = [](const LoadedMain& run) { return run.get<QSplitter>(QStringLiteral("columns")); };

    const std::unique_ptr<LoadedMain> first = start({});
    first->main->move(30, 40);
    first->main->resize(700, 380);
    columns(*first)->setSizes({200, 480});
    const QList<int> sizes = columns(*first)->sizes();
    first->main->hide();  // stored when it hides, as when it moves or changes size
    const QMap<QString, QString> stored = first->t.settings.windows;
    QVERIFY(first->t.settings.values.isEmpty());  // the program's own settings untouched

    const std::unique_ptr<LoadedMain> next = start(stored);
    QCOMPARE(next->main->pos(), QPoint(30, 40));
    QCOMPARE(next->main->size(), QSize(700, 380));
    QCOMPARE(columns(*next)->sizes(), sizes);

    QMap<QString, QString> lost = stored;  // a screen that is gone
    lost[QStringLiteral("MainFORM/geometry")] = QStringLiteral("2400,-900,700,380");
    const std::unique_ptr<LoadedMain> moved = start(lost);
    QVERIFY(moved->main->screen()->availableGeometry().contains(moved->main->frameGeometry()));
    QCOMPARE(moved->main->size(), QSize(700, 380));
}

}  // namespace

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
