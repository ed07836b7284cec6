// Every window as a screen reader and a keyboard-only user meet it: each control named, each
// value read out as shown, access keys unique within a window, the first focus on an input or
// the forward button, Enter forward, Escape Abort.
#include <QAccessible>
#include <QMenuBar>

#include "app/platform/access.h"
#include "support/window.h"

using namespace tolva;
using namespace tolva::test;

namespace {

const QByteArray kIni = "Version=2001-03-04\r\n\r\n" + Entry("0000000001", "Alpha", "40000000H") + "\r\n";

/// What a screen reader finds wrong with window: unnamed controls, values read out other than
/// shown, two controls of it on one access key.
QStringList Unreadable(QWidget* window) {
    QStringList faults;
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
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(w);
        const QString name = reader ? reader->text(QAccessible::Name) : QString();
        const bool reachable = w->focusPolicy() & Qt::TabFocus;
        if (auto* button = qobject_cast<QAbstractButton*>(w); button && reachable) key(button->text(), w->objectName());
        if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy()) key(label->text(), w->objectName());
        if (auto* label = qobject_cast<QLabel*>(w); label && label->property("tolvaValueOf").isValid()) {
            if (reader->text(QAccessible::Value) != label->text()) faults << w->objectName() + " reads out another value";
            if (!reachable) faults << w->objectName() + " is not reached by Tab";
        }
        const bool picture = qobject_cast<QLabel*>(w) && !qobject_cast<QLabel*>(w)->pixmap().isNull();
        if ((reachable || picture) && name.trimmed().isEmpty()) faults << w->objectName() + " has no name";
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
    void theMainWindowReadsOutEveryValueAndTabsInReadingOrder() {
        LoadedMain run(kIni);
        run.main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(run.main.get()));
        QCOMPARE(Unreadable(run.main.get()).join("; "), QString());
        QCOMPARE(QAccessible::queryAccessibleInterface(run.get("YesTEXT"))->text(QAccessible::Name), QString("Yes"));
        QCOMPARE(QAccessible::queryAccessibleInterface(run.get("GameLIST"))->text(QAccessible::Name), QString("Games"));
        QCOMPARE(QAccessible::queryAccessibleInterface(run.get("StatusPICTURE"))->text(QAccessible::Name),
                 QString("Status: does not work yet"));
        run.get("SearchTEXT")->setFocus();
        QCOMPARE(TabOrder(run.main.get()),
                 (QStringList{"SearchTEXT", "GameLIST", "YesTEXT", "NoTEXT", "PartTEXT", "TotalTEXT", "versionTEXT",
                              "titleTEXT", "idTEXT", "ProductCodeTEXT", "PublisherTEXT", "CountryTEXT", "DetailsTEXT",
                              "GraphicsTEXT", "SoundTEXT", "MemCardTEXT", "OtherTEXT", "NewBUTTON", "RemoveBUTTON",
                              "CleanUpBUTTON", "ExitBUTTON"}));
    }

    // Enter alone walks the wizard from page 1 to Finish; each page opens readable with the focus
    // on its first input or its forward button, never on "< Back".
    void enterWalksTheWizardThroughReadablePages() {
        LoadedMain run(kIni);
        Walk walk;
        QStringList focus;
        for (int page = 1; page <= 8; ++page) {
            walk.on(QString("Wizard%1FORM").arg(page), [&, page](QWidget* p) {
                QCOMPARE(Unreadable(p).join("; "), QString());
                focus << p->focusWidget()->objectName();
                if (page == 2) {
                    QTest::keyClicks(p->focusWidget(), "Delta Force");
                    Find<QLineEdit>(p, "idTEXT")->setText("1234567890");
                }
                QTest::keyClick(p->focusWidget(), Qt::Key_Return);
            });
        }
        QVERIFY(walk.run(run, "NewMENU"));
        QCOMPARE(focus, (QStringList{"ForwardBUTTON", "titleTEXT", "ForwardBUTTON", "ForwardBUTTON", "ForwardBUTTON",
                                     "ForwardBUTTON", "ForwardBUTTON", "ForwardBUTTON"}));
        QVERIFY(run.file().endsWith("\r\nID=1234567890\r\nTitle=Delta Force\r\nFlags=80000000H\r\n"));
    }

    // Escape is Abort in every window that has one; each leaves the file as it was.
    void escapeAbortsEveryWindow_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("then");  // a window that follows, Escape there as well
        QTest::newRow("wizard page") << "NewMENU" << "Wizard1FORM" << "";
        QTest::newRow("Clean Up") << "CleanUpMENU" << "CleanUpFORM" << "";
        QTest::newRow("mail and its notice") << "MailMENU" << "MailFORM" << "Mail2FORM";
    }
    void escapeAbortsEveryWindow() {
        QFETCH(QString, action);
        QFETCH(QString, window);
        QFETCH(QString, then);
        LoadedMain run(kIni);
        QStringList faults;
        Walk walk;
        for (const QString& name : {window, then}) {
            if (name.isEmpty()) continue;
            walk.on(name, [&](QWidget* w) {
                faults << Unreadable(w);
                QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key_Escape);
            });
        }
        QVERIFY(walk.run(run, action));
        QCOMPARE(faults.join("; "), QString());
        QCOMPARE(run.file(), kIni);
        QVERIFY(run.back());
    }
};

QTEST_MAIN(AccessTest)
#include "access_test.moc"
