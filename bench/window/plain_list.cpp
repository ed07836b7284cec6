// The plain program tolva!'s start-up is held against: it reads the same bleem!.INI, sorts the
// titles with std::sort on upper-cased keys and lists them in a QListView beside a label, in a
// window of the main window's size, and ends as tolva! does, the moment the window is first shown.
//   tolva_plain_list FOLDER WIDTH HEIGHT
#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QStringListModel>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "app/platform/endwhenshown.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 4) return 2;
    QFile file(QString::fromLocal8Bit(argv[1]) + QStringLiteral("/bleem!.INI"));
    if (!file.open(QIODevice::ReadOnly)) return 1;
    std::vector<std::pair<QString, QString>> titles;  // upper case, as written
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (!trimmed.startsWith("Title=")) continue;
        QString title = QString::fromLatin1(trimmed.mid(6));
        titles.emplace_back(title.toUpper(), std::move(title));
    }
    std::sort(titles.begin(), titles.end());
    QStringList rows;
    for (auto& [upper, title] : titles) rows.append(std::move(title));
    QStringListModel model(rows);

    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    auto* list = new QListView;
    list->setModel(&model);
    layout->addWidget(list);
    layout->addWidget(new QLabel(QStringLiteral("%1 games").arg(rows.size())));
    window.resize(std::atoi(argv[2]), std::atoi(argv[3]));
    window.show();
    tolva::EndWhenExposed(window.windowHandle());
    return QApplication::exec();
}
