#include "wizardwalk.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <QtTest>


namespace tolva::test {
namespace {

constexpr int kStepTimeoutMs = 5000;

QString PageName(int page) { return QStringLiteral("Wizard%1FORM").arg(page); }

const QByteArray kTxt = "Header|Title|Publisher|Code|Region|x|Status|D3D|Details|\r\n"
                        "|Alpha|Nowhere Soft|SLUS-90001|U/C|x|Not Yet||Crashes at once|\r\n";

}  // namespace

LoadedMain::LoadedMain(const QByteArray& ini) {
    t.write("program/bleem!.INI", ini);
    t.write("program/Compatibility.TXT", kTxt);
    main = std::make_unique<MainFORM>(state, t.platform);
    if (!main->Form_Load()) qFatal("the main window did not load");
    main->show();
}

QByteArray LoadedMain::file() const { return t.read("program/bleem!.INI"); }
void LoadedMain::writeFile(const QByteArray& bytes) const { t.write("program/bleem!.INI", bytes); }

WizardWalk& WizardWalk::on(int page, std::function<void(QWidget*)> act) {
    steps_.append({page, std::move(act)});
    return *this;
}

bool WizardWalk::run(const std::function<void()>& start) {
    int next = 0;
    bool gaveUp = false;
    QElapsedTimer waiting;
    waiting.start();
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, &timer, [&] {
        if (QTest::currentTestFailed() || next >= steps_.size()) {
            // A failed step, or a run that goes on after its last step: end it, or the test hangs.
            if (QTest::currentTestFailed() || waiting.elapsed() >= kStepTimeoutMs) {
                for (QWidget* open : OpenWizardPages()) Click(open, "AbortBUTTON");
                if (next < steps_.size() || !OpenWizardPages().isEmpty()) gaveUp = true;
            }
            return;
        }
        const Step& step = steps_[next];
        QWidget* page = TopLevel(PageName(step.page));
        if (page && state_.wizard.ActivePage == step.page && page->isEnabled()) {
            ++next;
            waiting.restart();
            visited.append(step.page);
            step.act(page);
            return;
        }
        if (waiting.elapsed() < kStepTimeoutMs) return;
        gaveUp = true;
        timer.stop();
        qWarning("wizard step %d (page %d) never came", static_cast<int>(next), step.page);
        for (QWidget* open : OpenWizardPages()) Click(open, "AbortBUTTON");
    });
    timer.start();
    start();
    timer.stop();
    // Steps left over: the run ended before them (or a step was skipped by the flow).
    return !gaveUp && next == steps_.size();
}

bool WizardWalk::run(MainFORM& main) {
    return run([&main] { main.findChild<QPushButton*>("NewBUTTON")->click(); });
}

QList<QWidget*> OpenWizardPages() {
    QList<QWidget*> pages;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->objectName().startsWith(QLatin1String("Wizard")) &&
            widget->objectName().endsWith(QLatin1String("FORM"))) {
            pages.append(widget);
        }
    }
    return pages;
}

void Click(QWidget* window, const char* name) {
    auto* button = window->findChild<QAbstractButton*>(QString::fromLatin1(name));
    if (!button) {
        QTest::qFail(qPrintable(QStringLiteral("no button %1 on %2").arg(name, window->objectName())), __FILE__,
                     __LINE__);
        return;
    }
    button->click();
}

}  // namespace tolva::test
