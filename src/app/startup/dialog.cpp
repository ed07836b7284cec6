#include "app/startup/dialog.h"

#include <QDir>
#include <QStringList>

#include "app/platform/seams.h"

namespace tolva {

QString Dialog::NameFilters(QString filterstring) {
    if (!filterstring.endsWith(QLatin1Char('|'))) filterstring.append(QLatin1Char('|'));
    const QStringList items = filterstring.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < items.size(); i += 2) {
        if (items[i].isEmpty() && items[i + 1].isEmpty()) continue;
        QStringList patterns;
        for (const QString& pattern : items[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            // Names come from another system where letter case does not matter.
            for (const QString& variant : {pattern, pattern.toLower(), pattern.toUpper()})
                if (!patterns.contains(variant)) patterns.append(variant);
        }
        filters.append(items[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}

QString Dialog::OpenFile(const QString& filterstring, const QString& verzeichnis) {
    const QString folder = verzeichnis.isEmpty() ? QDir::currentPath() : verzeichnis;
    return QDir::toNativeSeparators(chooser_.chooseExisting(owner_, NameFilters(filterstring), folder));
}

}  // namespace tolva
