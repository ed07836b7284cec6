// Every window as everyone meets it, on a 1280x720 screen at scale 1.5: it fits, each control
// named, each value read out as shown, access keys unique within a window, the first focus on an
// input or the forward button, Tab in reading order, Enter forward, Escape Abort; and windows
// come back where the user left them.
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QListView>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTranslator>

#include "app/platform/access.h"
#include "support/window.h"

using namespace tolva;
using namespace tolva::test;

namespace {

// A window's text in the language the windows speak.
QString Tr(const char* window, const char* english) { return QCoreApplication::translate(("tolva::" + QByteArray(window)).constData(), english); }

const QByteArray kIni = "Version=2001-03-04\r\n\r\n" + Entry("0000000001", "Alpha", "40000000H") + "\r\n";

// A first game whose title and record are longer than any screen is wide.
const QByteArray kLong = "Alpha and the Longest Title a Game Ever Had, Told Over and Over Again in Every Land " + QByteArray(60, 'x');
const QByteArray kLongTxt = "Header|Title|Publisher|Code|Region|x|Status|D3D|Details|\r\n|" + kLong + "|" + kLong +
                            " Soft|SLPM-86000|" + kLong + "|x|Partially||" + kLong + " crashes|\r\n";

/// A full table whose counts are as wide as counts get ("2761 (67.4%)", "1034 (25.2%)"), its
/// first game kLong.
QByteArray FullIni() {
    QByteArray ini = "Version=2001-03-04\r\n\r\n" + Entry("0000000001", kLong, "01211010H");
    for (int k = 1; k < 4096; ++k)
        ini += Entry(QByteArray::number(1000000000 + k), "Game " + QByteArray::number(k),
                     k < 2762 ? "80000000H" : k < 3796 ? "40000000H" : "01211010H");
    return ini;
}

/// Whether control shows whole in window: inside its parent, and its parent inside its own, up
/// to the window, and clear of its shown siblings. Controls inside a scrolling area are the
/// area's business.
bool Cut(QWidget* window, QWidget* control) {
    for (QWidget* up = control->parentWidget(); up != window; up = up->parentWidget())
        if (qobject_cast<QAbstractScrollArea*>(up)) return false;
    for (QWidget* w = control; w != window; w = w->parentWidget())
        if (!w->parentWidget()->rect().contains(w->geometry())) return true;
    for (QWidget* sibling : control->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (sibling != control && !sibling->isWindow() && sibling->isVisible() && sibling->geometry().intersects(control->geometry()))
            return true;
    }
    return false;
}

// The fields whose values have no bound: each may show a long value cut, whole in its tooltip.
const QStringList kUnbounded = {"titleTEXT",   "PublisherTEXT", "CountryTEXT", "DetailsTEXT", "GraphicsTEXT",
                                "SoundTEXT",   "MemCardTEXT",   "OtherTEXT",   "StatusTEXT"};

/// The texts w shows (a caption, field or button; a list's rows), each with whether it shows
/// whole: a wrapped label as tall as its lines need, others as wide as their text needs, a row
/// within the list's width or reached by scrolling it sideways.
QList<QPair<QString, bool>> Texts(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w); label && label->pixmap().isNull())
        return {{label->text(), label->wordWrap() ? label->height() >= label->heightForWidth(label->width())
                                                  : label->width() >= label->sizeHint().width()}};
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const auto contents = qobject_cast<QCheckBox*>(w) ? QStyle::SE_CheckBoxContents
                              : qobject_cast<QRadioButton*>(w) ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents;
        const int needs = button->fontMetrics().boundingRect(QRect(), Qt::TextShowMnemonic, button->text()).width();
        return {{button->text(), button->style()->subElementRect(contents, &option, button).width() >= needs}};
    }
    if (auto* line = qobject_cast<QLineEdit*>(w); line && line->isReadOnly()) {
        const QFontMetrics m = line->fontMetrics();  // its size hint is 17 "x" wide, besides the frame
        return {{line->text(), line->width() - line->sizeHint().width() + 17 * m.horizontalAdvance('x') >= m.horizontalAdvance(line->text())}};
    }
    QList<QPair<QString, bool>> rows;
    auto* list = qobject_cast<QListView*>(w);
    for (int row = 0; list && row < list->model()->rowCount(); ++row) {
        const QModelIndex at = list->model()->index(row, 0);
        QStyleOptionViewItem option;
        option.initFrom(list);
        const int needs = list->itemDelegateForIndex(at)->sizeHint(option, at).width();
        const bool sideways = list->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
        rows.append({at.data().toString(), needs <= list->viewport()->width() || sideways ||
                                               at.data(Qt::ToolTipRole).toString() == at.data().toString()});
    }
    return rows;
}

/// The texts a person reads in the windows walked while it is set, each keyed by its window,
/// control and kind, to compare a walk in one language with the same walk in another. Values
/// (a field's, a list's rows) are the files' and left out.
QMap<QString, QString>* shownTexts = nullptr;

void NoteTexts(QWidget* window) {
    const auto note = [&](const QString& where, const QString& text) {
        if (text.contains(QRegularExpression("[A-Za-z]"))) shownTexts->insert(window->objectName() + where, text);
    };
    note(" title", window->windowTitle());
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || w->window() != window) continue;
        const QString at = "." + w->objectName() + "." + w->metaObject()->className() + ".";
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(w);
        note(at + "name", reader ? reader->text(QAccessible::Name) : QString());
        note(at + "tooltip", w->toolTip());
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->property("tolvaValueOf").isValid()) note(at + label->text(), label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w)) note(at + "text", button->text());
    }
}

/// What a screen reader meets in each window as first walked, English only: every named control's
/// role, name, states and value, and a text's weight and underline. Compared at the end with
/// access_readout.txt (TOLVA_WRITE_READOUT=1 writes it anew, to be read over before it is kept).
QMap<QString, QStringList> readout;

void NoteReadout(QWidget* window) {
    // The transfers' windows change as their bytes flow; their controls are met in their own tests.
    if (!qApp->findChildren<QTranslator*>().isEmpty() || readout.contains(window->objectName()) ||
        window->objectName().startsWith("Download"))
        return;
    QStringList& lines = readout[window->objectName()];
    for (QWidget* w : window->findChildren<QWidget*>()) {
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(w);
        const auto* caption = qobject_cast<QLabel*>(w);  // an unnamed caption is read out too, as "-"
        if (w->window() != window || (w->objectName().isEmpty() && (!caption || caption->text().isEmpty())) ||
            w->objectName().startsWith("qt_") || !reader)
            continue;
        const QAccessible::State s = reader->state();
        QString states;
        const std::pair<bool, char> marks[] = {{s.invisible, 'i'}, {s.disabled, 'd'}, {s.checkable, 'c'}, {s.checked, 'x'},
                                               {s.readOnly, 'r'}, {s.defaultButton, 'D'}, {s.editable, 'e'}, {s.focusable, 'f'},
                                               {s.multiLine, 'm'}, {w->font().bold(), 'B'}, {w->font().underline(), 'U'}};
        for (const auto& [on, mark] : marks) states += on ? QString(mark) : QString();
        lines << QString("%1 %2 \"%3\" [%4] \"%5\"").arg(w->objectName().isEmpty() ? "-" : w->objectName()).arg(int(reader->role()), 0, 16)
                     .arg(reader->text(QAccessible::Name), states, reader->text(QAccessible::Value))
                     .replace('\n', "\\n").replace(QRegularExpression("/\\S*access_test-\\w+"), "<temp>")
                     .replace(TOLVA_RELEASE_NAME "\\nBuild " + QString::number(TOLVA_REVISION), "<version>");
    }
    if (auto* main = qobject_cast<QMainWindow*>(window)) {  // and its menus' entries
        for (QMenu* menu : main->menuBar()->findChildren<QMenu*>())
            for (const QAction* entry : menu->actions())
                if (!entry->isSeparator())
                    lines << QString("%1/%2 \"%3\" [%4%5%6] %7").arg(menu->objectName(), entry->objectName(), entry->text())
                                 .arg(entry->isEnabled() ? "" : "d", entry->isCheckable() ? "c" : "", entry->isChecked() ? "x" : "")
                                 .arg(entry->shortcut().toString(QKeySequence::PortableText));
    }
    lines.sort();
}

/// What a user finds wrong with window, shown and then brought to its least size: more than the
/// screen holds (less a frame and title bar), controls cut off, pictures not drawn sharp,
/// unnamed controls, values read out other than shown, two controls of it on one access key.
QStringList Faults(QWidget* window) {
    QStringList faults;
    if (shownTexts) NoteTexts(window);
    NoteReadout(window);
    const QSize least = window->minimumSize().expandedTo(window->minimumSizeHint());
    if (least.boundedTo(QSize(840, 440)) != least ||
        !window->screen()->availableGeometry().contains(window->frameGeometry()))
        faults << window->objectName() + " does not fit the screen";
    window->resize(least);
    // No two of the window's own controls are drawn over each other.
    QList<QWidget*> shown;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w->window() == window && w->isVisibleTo(window) && !w->objectName().isEmpty() && !w->objectName().startsWith("qt_"))
            shown << w;
    const auto drawn = [window](const QWidget* w) {  // where it is seen: within every parent
        QRect seen(w->mapTo(window, QPoint()), w->size());
        for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
            seen &= QRect(p->mapTo(window, QPoint()), p->size());
        return seen;
    };
    for (qsizetype a = 0; a < shown.size(); ++a)
        for (qsizetype b = a + 1; b < shown.size(); ++b) {
            if (drawn(shown[a]).intersects(drawn(shown[b])) && !shown[a]->isAncestorOf(shown[b]) && !shown[b]->isAncestorOf(shown[a]))
                faults << window->objectName() + "." + shown[a]->objectName() + " overlaps " + shown[b]->objectName();
        }
    // The button Enter clicks is announced and drawn as the default one, and no other is.
    QStringList defaults;
    for (QPushButton* button : window->findChildren<QPushButton*>())
        if (button->window() == window && button->isVisibleTo(window) && QAccessible::queryAccessibleInterface(button)->state().defaultButton)
            defaults << button->objectName();
    for (const char* name : {"ForwardBUTTON", "OkBUTTON"}) {
        auto* enter = window->findChild<QPushButton*>(name);
        if (!enter || enter->window() != window || !enter->isVisibleTo(window)) continue;
        if (defaults != QStringList(name)) faults << window->objectName() + "." + name + " is not the only default";
        break;
    }
    QMap<QChar, QString> keys;
    const auto key = [&](const QString& text, const QString& who) {
        const QChar k = AccessKey(text);
        if (!k.isNull() && keys.contains(k)) faults << who + " shares " + k + " with " + keys[k];
        if (!k.isNull()) keys[k] = who;
    };
    if (auto* main = qobject_cast<QMainWindow*>(window)) {
        for (QAction* menu : main->menuBar()->actions()) key(menu->text(), menu->text());
    }
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || w->window() != window) continue;
        const QString who = window->objectName() + "." + w->objectName();
        if (Cut(window, w)) faults << who + " is cut off";
        for (const auto& [text, whole] : Texts(w)) {
            if (whole || text.isEmpty()) continue;
            if (!kUnbounded.contains(w->objectName())) faults << who + " cuts \"" + text + "\"";
            else if (!w->toolTip().contains(text)) faults << who + " cuts \"" + text + "\" without its tooltip";
        }
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(w);
        const QString name = reader ? reader->text(QAccessible::Name) : QString();
        const bool reachable = w->focusPolicy() & Qt::TabFocus;
        if (auto* button = qobject_cast<QAbstractButton*>(w); button && reachable) {
            if (button->text().contains(QRegularExpression("\\w")) && AccessKey(button->text()).isNull())
                faults << who + " has no access key";
            key(button->text(), who);
        }
        auto* label = qobject_cast<QLabel*>(w);
        if (label && label->buddy()) key(label->text(), who);
        if (label && label->property("tolvaValueOf").isValid()) {
            // What AT-SPI publishes of it is the text interface: the whole text, and a piece of it.
            QAccessibleTextInterface* text = reader->textInterface();
            const int n = text ? text->characterCount() : -1;
            int from = -1, to = -1;
            if (text) text->attributes(0, &from, &to);
            if (reader->text(QAccessible::Value) != label->text() || n != label->text().size() || text->text(0, n) != label->text() ||
                text->text(1, n - 1) != label->text().mid(1, n - 2) || from != 0 || to != n || !reader->state().readOnly)
                faults << who + " reads out another value";
            if (!reachable) faults << who + " is not reached by Tab";
        }
        const bool picture = label && !label->pixmap().isNull();
        if (picture && label->pixmap().devicePixelRatio() != window->devicePixelRatioF()) faults << who + " is blurred";
        if ((reachable || picture) && name.trimmed().isEmpty()) faults << who + " has no name";
    }
    return faults;
}

/// The objectNames Tab visits from the window's focus, once round.
QStringList TabOrder(QWidget* window) {
    QStringList order;
    QWidget* start = window->focusWidget();
    for (QWidget* w = start; w && order.size() < 60;) {
        order << w->objectName();
        QTest::keyClick(w, Qt::Key_Tab);
        w = window->focusWidget();
        if (w == start) break;
    }
    return order;
}

}  // namespace

class AccessTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanupTestCase() {
        QFile kept(QT_TESTCASE_SOURCEDIR "/app/access_readout.txt");
        if (qEnvironmentVariableIsSet("TOLVA_WRITE_READOUT")) {
            QVERIFY(kept.open(QIODevice::WriteOnly));
            for (auto at = readout.cbegin(); at != readout.cend(); ++at) kept.write(("== " + at.key() + "\n" + at.value().join("\n") + "\n").toUtf8());
            return;
        }
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QMap<QString, QStringList> expected;
        QString window;
        for (const QString& line : QString::fromUtf8(kept.readAll()).split('\n', Qt::SkipEmptyParts))
            line.startsWith("== ") ? void(window = line.mid(3)) : void(expected[window] << line);
        QStringList differences;  // the windows this run walked (a test run alone walks fewer)
        for (auto at = readout.cbegin(); at != readout.cend(); ++at) {
            for (const QString& line : at.value())
                if (!expected[at.key()].contains(line)) differences << at.key() + " now: " + line;
            for (const QString& line : expected[at.key()])
                if (!at.value().contains(line)) differences << at.key() + " was: " + line;
        }
        QCOMPARE(differences.join("\n"), QString());
    }

    void theMainWindowReadsOutEveryValueTabsInReadingOrderAndKeysEachMenu() {
        LoadedMain run(FullIni(), kLongTxt);
        run.main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(run.main.get()));
        QCOMPARE(run.main->devicePixelRatioF(), qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
        QCOMPARE(Faults(run.main.get()).join("; "), QString());
        for (const char* cut : {"titleTEXT", "PublisherTEXT", "CountryTEXT"})  // cut, and whole in the tooltip
            QVERIFY2(run.get(cut)->toolTip().contains(kLong), cut);
        QCOMPARE(QAccessible::queryAccessibleInterface(run.get("YesTEXT"))->text(QAccessible::Name), Tr("MainFORM", "Yes :").chopped(2));
        QCOMPARE(QAccessible::queryAccessibleInterface(run.get("GameLIST"))->text(QAccessible::Name), Tr("MainFORM", "Games"));
        QCOMPARE(QAccessible::queryAccessibleInterface(run.get("StatusPICTURE"))->text(QAccessible::Name),
                 Tr("MainFORM", "Status: partially works"));
        run.get("SearchTEXT")->setFocus();
        QCOMPARE(TabOrder(run.main.get()),
                 (QStringList{"SearchTEXT", "GameLIST", "YesTEXT", "NoTEXT", "PartTEXT", "TotalTEXT", "versionTEXT",
                              "titleTEXT", "idTEXT", "ProductCodeTEXT", "PublisherTEXT", "CountryTEXT", "DetailsTEXT",
                              "GraphicsTEXT", "SoundTEXT", "MemCardTEXT", "OtherTEXT", "NewBUTTON", "RemoveBUTTON",
                              "CleanUpBUTTON", "ExitBUTTON"}));
        // Each menu's entries, keyed as it opens: a key each, none shared.
        for (QMenu* menu : run.main->menuBar()->findChildren<QMenu*>()) {
            menu->popup(run.main->geometry().center());
            QString keys;
            for (const QAction* entry : menu->actions())
                if (!entry->isSeparator()) keys += AccessKey(entry->text());
            menu->hide();
            QVERIFY2(!keys.contains(QChar()) && QSet<QChar>(keys.begin(), keys.end()).size() == keys.size(),
                     qPrintable(menu->objectName() + ": " + keys));
        }
    }

    // Enter alone walks the wizard from page 1 to Finish; each page opens readable with the focus
    // on its first input or its forward button, never on "< Back", and Tab goes round it in
    // reading order.
    void enterWalksTheWizardThroughReadablePages() {
        LoadedMain run(kIni);
        Walk walk;
        QStringList focus, tabs, forward;
        for (int page = 1; page <= 8; ++page) {
            walk.on(QString("Wizard%1FORM").arg(page), [&, page](QWidget* p) {
                QCOMPARE(Faults(p).join("; "), QString());
                focus << p->focusWidget()->objectName();
                forward << Find<QAbstractButton>(p, "ForwardBUTTON")->text();
                if (page == 6) {  // the interlude stands between the first option and the second
                    const auto top = [p](const QWidget* w) { return w->mapTo(p, QPoint()).y(); };
                    const QList<QLabel*> labels = p->findChildren<QLabel*>();
                    const auto isInterlude = [](QLabel* l) {
                        return l->text() == QCoreApplication::translate("Wizard", "When bleem! crashes during a movie, choose one of the following options :");
                    };
                    const auto interlude = std::find_if(labels.begin(), labels.end(), isInterlude);
                    QCOMPARE(std::count_if(labels.begin(), labels.end(), isInterlude), 1);
                    QVERIFY(interlude != labels.end() && top(Find(p, "Option4")) < top(*interlude) &&
                            top(*interlude) < top(Find(p, "Option3")));
                }
                tabs << TabOrder(p).join(" ");
                if (page == 2) {
                    QTest::keyClicks(p->focusWidget(), "Delta Force");
                    Find<QLineEdit>(p, "idTEXT")->setText("1234567890");
                }
                QTest::keyClick(p->focusWidget(), Qt::Key_Return);
            });
        }
        QVERIFY(walk.run(run, "NewMENU"));
        // A key is a word's first letter where one is free.
        QCOMPARE(forward, QStringList(7, "&" + Tr("WizardPage", "Next >")) << "&" + Tr("Wizard8FORM", "Finish"));
        QCOMPARE(focus, (QStringList{"ForwardBUTTON", "titleTEXT", "ForwardBUTTON", "ForwardBUTTON", "ForwardBUTTON",
                                     "ForwardBUTTON", "ForwardBUTTON", "ForwardBUTTON"}));
        // Round from the first focus; Back is off on page 1 and Next until page 2 is filled; Tab
        // meets a group of options once, at its chosen one.
        QCOMPARE(tabs, (QStringList{"ForwardBUTTON AbortBUTTON newOPTION",
                                    "titleTEXT idTEXT ImageBUTTON runningCHECK InfoBUTTON BackBUTTON AbortBUTTON",
                                    "ForwardBUTTON AbortBUTTON Option3 BackBUTTON",
                                    "ForwardBUTTON AbortBUTTON Option4 BackBUTTON",
                                    "ForwardBUTTON AbortBUTTON Option5 BackBUTTON",
                                    "ForwardBUTTON AbortBUTTON Option4 BackBUTTON",
                                    "ForwardBUTTON AbortBUTTON Check1 Check2 Check3 Check4 BackBUTTON",
                                    "ForwardBUTTON AbortBUTTON Check1 BackBUTTON"}));
        QVERIFY(run.file().endsWith("\r\nID=1234567890\r\nTitle=Delta Force\r\nFlags=80000000H\r\n"));
    }

    // Every other window as the program opens it (no action: at start-up): it fits and reads out,
    // Enter is its forward button, Escape its Abort (or Cancel, Close, a notice's OK). A step
    // "Window Key Button" presses Key where the window's focus is and names the button the key
    // clicked ("-": none, as About closes on its own); "Window Button Button" clicks that button;
    // "Window Tab Controls..." names the round Tab makes from the focus. Each run ends at the main
    // window, or with the program when start-up is abandoned.
    void everyWindowIsReadableAndAnswersEnterAndEscape_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("steps");
        for (const auto& [tag, action, steps] : WindowWalks()) QTest::newRow(tag) << QString(action) << steps;
    }
    static QList<std::tuple<const char*, const char*, QStringList>> WindowWalks() {
        QList<std::tuple<const char*, const char*, QStringList>> rows;
        const auto row = [&rows](const char* tag, const char* action, const QStringList& steps) {
            rows.append({tag, action, steps});
        };
        row("wizard page", "NewMENU", {"Wizard1FORM Escape AbortBUTTON"});
        row("wizard's Info", "NewMENU",
            {"Wizard1FORM Return ForwardBUTTON", "Wizard2FORM InfoBUTTON InfoBUTTON", "Info1FORM Return OkBUTTON",
             "Wizard2FORM Return -",  // on Info again, Return is no click
             "Wizard2FORM Tab InfoBUTTON BackBUTTON AbortBUTTON titleTEXT idTEXT ImageBUTTON runningCHECK",
             "Wizard2FORM Escape AbortBUTTON"});
        row("Clean Up", "CleanUpMENU",
            {"CleanUpFORM Tab OkBUTTON AbortBUTTON Check1 Check2 Check3 Check4 Check5 Check6 Option1 PreviewBUTTON",
             "CleanUpFORM Escape AbortBUTTON"});
        row("Clean Up's preview", "CleanUpMENU", {"CleanUpFORM PreviewBUTTON PreviewBUTTON",
                                                  "PreviewFORM Return CloseBUTTON", "CleanUpFORM PreviewBUTTON PreviewBUTTON",
                                                  "PreviewFORM Escape CloseBUTTON", "CleanUpFORM Return OkBUTTON"});
        row("repair", "RepairMENU",
            {"Repair1FORM Return OkBUTTON", "Repair2FORM Return ForwardBUTTON",
             "Repair3FORM Tab GameLIST Command1 BackBUTTON ForwardBUTTON AbortBUTTON",
             "Repair3FORM Return ForwardBUTTON", "Repair4FORM Return ForwardBUTTON", "Repair5FORM Escape AbortBUTTON"});
        row("compare", "CompareMENU", {"Compare1FORM Return OkBUTTON", "Compare2FORM Return ForwardBUTTON",
                                       "Compare3FORM Return ForwardBUTTON", "Compare4FORM Return ForwardBUTTON"});
        row("start-up's folder", "", {"SearchFORM Tab PathTEXT SearchBUTTON FoundLIST SaveCHECK AbortBUTTON",
                                      "SearchFORM Escape AbortBUTTON"});
        row("folder of bleem!.INI", "OtherIniMENU", {"SearchFORM Return OkBUTTON"});
        row("folder of Compatibility.TXT", "OtherTxtMENU", {"Search2FORM Escape AbortBUTTON"});
        row("socket download", "UpdateMENU", {"DownloadFORM Escape CancelBUTTON"});
        row("transfer download", "Update2MENU", {"DownloadFORM2 Escape CancelBUTTON"});
        row("update", "UpdateMENU",
            {"UpdateFORM MarkAllBUTTON MarkAllBUTTON",
             "UpdateFORM Tab updLIST MarkAllBUTTON MarkNothingBUTTON Check1 PreviewBUTTON OkBUTTON AbortBUTTON EntriesLABEL",
             "UpdateFORM Return OkBUTTON"});
        row("update, Escape", "Update2MENU", {"UpdateFORM Escape AbortBUTTON"});
        row("mail and its notice", "MailMENU",
            {"MailFORM Tab NickTEXT UserMailTEXT CommentTEXT OkBUTTON AbortBUTTON", "MailFORM Return OkBUTTON",
             "MailFORM Escape AbortBUTTON", "MailFORM Escape AbortBUTTON", "Mail2FORM Escape OkBUTTON"});
        row("History", "HistoryMENU",
            {"HistoryFORM Tab VersionLIST DifferenceTEXT CloseBUTTON", "HistoryFORM Escape CloseBUTTON"});
        row("About", "AboutMENU", {"SplashFORM Escape -"});
        row("Servers", "ServersMENU", {"ServersFORM Escape CancelBUTTON"});
        row("Games Table", "GamesTableMENU",
            {"GamesTableFORM Tab SearchTEXT RegionCOMBO GenreCOMBO Direct3DCOMBO YesCHECK PartCHECK NoCHECK GamesTABLE "
             "YesTEXT PartTEXT NoTEXT TotalTEXT ExportBUTTON CloseBUTTON",
             "GamesTableFORM Escape CloseBUTTON"});
        row("Disc Collection", "DiscCollectionMENU",
            {"DiscCollectionFORM Tab FolderTEXT BrowseBUTTON ScanBUTTON MissingCHECK DiscsTABLE TotalsTEXT ExportBUTTON "
             "CloseBUTTON",
             "DiscCollectionFORM Escape CloseBUTTON"});
        return rows;
    }
    void everyWindowIsReadableAndAnswersEnterAndEscape() {
        QFETCH(QString, action);
        QFETCH(QStringList, steps);
        WalkWindow(action, steps);
    }
    static void WalkWindow(const QString& action, const QStringList& steps) {
        // One server for the update and the mail: silent where a download window is to be met (and
        // to the mail), else it serves an update with one new entry.
        const bool silent = steps.first().startsWith("Download");
        const QByteArray update = "Version=2001-05-01\r\n\r\n" + Entry("0000000002", "Beta", "80000000H");
        LoopbackServer server(LoopbackServer::Lines("", [&](const QByteArray& line) {
            return silent || !line.startsWith("GET") ? QByteArray()
                   : "HTTP/1.0 200 OK\r\nContent-Length: " + QByteArray::number(update.size()) + "\r\n\r\n" + update;
        }));
        qputenv("TOLVA_UPDATE_SERVER", server.endpoint());
        qputenv("TOLVA_MAIL_SERVER", server.endpoint());
        LoadedMain run;
        run.prepare(kIni);
        if (action.isEmpty()) {  // bleem!.INI only in the user's Wine prefix
            QFile::remove(run.t.path("program/bleem!.INI"));
            run.t.write("prefix/drive_c/bleem/bleem!.INI", kIni);
            qputenv("WINEPREFIX", run.t.path("prefix").toLocal8Bit());
        } else {
            QVERIFY(run.start());
        }
        QStringList faults, done;
        Walk walk;
        for (const QString& step : steps) {
            const QStringList part = step.split(' ');
            walk.on(part[0], [&, part](QWidget* w) {
                faults << Faults(w);
                const qsizetype at = done.size();  // a click may run later steps before it returns
                done << part[0] + " " + part[1];
                const QObject noting;  // the notes end with this step; a button clicked twice is named twice
                for (QAbstractButton* button : w->findChildren<QAbstractButton*>()) {
                    QObject::connect(button, &QAbstractButton::clicked, &noting,
                                     [&done, at, button] { done[at] += " " + button->objectName(); });
                }
                if (part[1] == "Tab") done[at] = part[0] + " Tab " + TabOrder(w).join(" ");
                else if (part[1].endsWith("BUTTON")) Click(w, part[1]);
                else QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, QKeySequence(part[1])[0].key());
            });
        }
        // The update list is not waited for: the run ends when the main window is back.
        QVERIFY(walk.run([&] {
            if (action.isEmpty()) return (void)run.start();
            run.trigger(action);
            (void)QTest::qWaitFor([&] { return run.back(); });
        }));
        qunsetenv("WINEPREFIX");
        for (QString& step : done) step += step.count(' ') == 1 ? " -" : "";
        QCOMPARE(faults.join("; "), QString());
        QCOMPARE(done, steps);
        QVERIFY(action.isEmpty() ? run.t.terminator.ended() : run.back());
    }

    // In another language than English, every text a window shows differs from the same window's
    // text in English, but those meant to be the same in both and the system's own German texts.
    void everyTextIsTranslated() {
        QList<QTranslator*> translators = qApp->findChildren<QTranslator*>();
        if (translators.isEmpty()) QSKIP("the windows speak English");
        const QStringList same = {"OK", "Discs", "Host:", "Port:", "Status", "Status :", "Details", "Details :", "Region", "Region :", "Genre",
                                  "Direct3D", "Direct3D:", "Genre:", "Region:", "Info", "Start", "Name :", "Publisher", "Publisher :",
                                  "Memory Cards", "tolva!"};
        QMap<QString, QString> texts[2];
        for (QMap<QString, QString>& language : texts) {
            shownTexts = &language;
            for (QTranslator* t : translators) (&language == &texts[0] ? QCoreApplication::removeTranslator(t) : QCoreApplication::installTranslator(t));
            theMainWindowReadsOutEveryValueTabsInReadingOrderAndKeysEachMenu();
            enterWalksTheWizardThroughReadablePages();
            for (const auto& [tag, action, steps] : WindowWalks()) WalkWindow(action, steps);
        }
        shownTexts = nullptr;
        QStringList english;
        for (auto at = texts[1].cbegin(); at != texts[1].cend(); ++at) {
            const QString text = QString(at.value()).remove('&');
            const bool german = text.contains(QRegularExpression(QString::fromUtf8("[äöüÄÖÜß]|\\b(Sie|Ihnen|Suche|Falschen?)\\b")));
            if (texts[0].value(at.key()) == at.value() && !same.contains(text) && !german && !text.startsWith("http") && !text.startsWith(TOLVA_RELEASE_NAME))
                english << at.key() + ": " + at.value();
        }
        QVERIFY(texts[1].size() > 300);
        QCOMPARE(english.join("\n"), QString());
    }

    // The main window stands for every window that keeps its place: one mechanism serves them all.
    void placeComesBack() {
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
        const QSize size = QSize(700, 380).expandedTo(first->main->minimumSizeHint());  // wider in German
        first->main->resize(size);
        columns(*first)->setSizes({200, 480});
        const QList<int> sizes = columns(*first)->sizes();
        first->main->hide();  // stored when it hides, as when it moves or changes size
        const QMap<QString, QString> stored = first->t.settings.windows;
        QVERIFY(first->t.settings.values.isEmpty());  // the program's own settings untouched

        const std::unique_ptr<LoadedMain> next = start(stored);
        QCOMPARE(next->main->pos(), QPoint(30, 40));
        QCOMPARE(next->main->size(), size);
        QCOMPARE(columns(*next)->sizes(), sizes);

        QMap<QString, QString> lost = stored;  // a screen that is gone
        lost[QStringLiteral("MainFORM/geometry")] = QStringLiteral("2400,-900,700,380");
        const std::unique_ptr<LoadedMain> moved = start(lost);
        QVERIFY(moved->main->screen()->availableGeometry().contains(moved->main->frameGeometry()));
        QCOMPARE(moved->main->size(), size);
        columns(*moved)->setSizes({0, 680});
        QVERIFY(columns(*moved)->sizes().value(0) > 0);  // dragged to the edge, the list stays
    }
};

QTEST_MAIN(AccessTest)
#include "access_test.moc"
