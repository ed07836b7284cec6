#include "app/platform/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tolva {
namespace {

// Installs translator when it loads file (a name without ".qm") from folder.
bool Install(const QString& file, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, folder)) return QCoreApplication::installTranslator(translator);
    delete translator;
    return false;
}

}  // namespace

QString UseUserLanguage() {
    // The user's languages in their order of preference: English, the windows' own language,
    // ends the search as any translation does, so a second language never wins over it.
    for (const QString& wanted : QLocale::system().uiLanguages()) {
        const QString language = QLocale(wanted).name().section(QLatin1Char('_'), 0, 0);
        if (language == QLatin1String("en") || language == QLatin1String("C")) return {};
        // The translations are embedded under :/i18n as tolva_<language>.qm.
        if (!Install(QStringLiteral("tolva_") + language, QStringLiteral(":/i18n"))) continue;
        // Qt's own texts follow when Debian's qt6-translations-l10n is installed; without it they
        // stay English.
        Install(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        return language;
    }
    return {};
}

}  // namespace tolva
