// The game list, its summary counts and the search box.
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include "app/mainwindow/mainform.h"
#include "app/mainwindow/gamelistview.h"
#include "app/platform/controls.h"
#include "app/platform/messages.h"
#include "app/platform/text.h"
#include "core/database/gamelist.h"
#include "core/text/cp1252.h"

namespace tolva {
namespace {

QString Caption(int n, int total) {
    // The core writes "." and the user reads their own decimal separator.
    QString caption = QString::fromStdString(CountCaption(n, total));
    return caption.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

}  // namespace

void MainFORM::WriteList() {
    const GameTable& games = state_.games;
    refreshUndo();  // every change of the file ends here
    ShowValue(versionTEXT, FromFile(ShownBytes(games.IniVersion)));

    GameLIST->setTitles(games.GameTitle, games.count());

    const SummaryCounts counts = CountGames(games);
    const int total = counts.total();
    if (total == 0) {
        platform_.prompter->ask(this, tr("%1 Error").arg(kTitle),
                                tr("bleem!'s game compatibility database is missing!"), MsgIcon::Critical,
                                MsgButtons::Ok);
        EndProgram();
    }
    YesTEXT->setText(Caption(counts.YesCount, total));
    NoTEXT->setText(Caption(counts.NoCount, total));
    PartTEXT->setText(Caption(counts.PartCount, total));
    TotalTEXT->setText(QString::number(total));

    {
        const QSignalBlocker quiet(GameLIST);  // the details are shown once, below
        GameLIST->setCurrentRow(0);
    }
    gameLIST_Click();
}

void MainFORM::SearchTEXT_Change() {
    // No title holds a character Windows-1252 lacks; written to the core it would become the
    // wildcard "?". Taking it out runs this search again on the rest.
    if (const QString refused = DropOutsideCp1252(SearchTEXT); !refused.isEmpty()) {
        platform_.prompter->ask(this, kTitle, OutsideCp1252Text(refused), MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    if (GameLIST->count() == 0) return;
    const int row = FindGame(state_, ToFile(SearchTEXT->text()));
    QPalette palette = SearchTEXT->palette();
    palette.setColor(QPalette::Text, row >= 0 ? QColor(0, 0, 255) : QColor(255, 0, 0));
    SearchTEXT->setPalette(palette);
    if (row < 0) return;
    GameLIST->setCurrentRow(row);
    GameLIST->scrollToRow(row);
}

bool MainFORM::SearchTEXT_KeyPress(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        SearchTEXT->clear();
        return true;
    }
    const QString typed = event->text();
    if (typed.isEmpty() || !typed.at(0).isPrint()) return false;
    const QString upper = UpperCase1252(typed);
    if (upper == typed) return false;
    // Typed letters reach the box in upper case.
    QKeyEvent shouted(QEvent::KeyPress, event->key(), event->modifiers(), upper, event->isAutoRepeat(),
                      static_cast<ushort>(event->count()));
    SearchTEXT->removeEventFilter(this);
    QCoreApplication::sendEvent(SearchTEXT, &shouted);
    SearchTEXT->installEventFilter(this);
    return true;
}

bool MainFORM::gameLIST_KeyPress(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        SearchTEXT->clear();  // selects the first game; the focus stays in the list
        return true;
    }
    const QString typed = event->text();
    if (typed.isEmpty() || !typed.at(0).isPrint()) return false;  // arrows and the like move in the list
    SearchTEXT->setText(SearchTEXT->text() + UpperCase1252(typed));
    SearchTEXT->setCursorPosition(static_cast<int>(SearchTEXT->text().size()));
    SearchTEXT->setFocus(Qt::OtherFocusReason);
    // The list's own type-ahead would move the selection away from the search's match.
    return true;
}

}  // namespace tolva
