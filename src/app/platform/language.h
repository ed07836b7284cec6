#pragma once
// The language the windows speak: the user's, where tolva! has a translation for it, else English.
#include <QString>

namespace tolva {

/// Installs on the running application the embedded translation of the first of the user's
/// languages (QLocale::uiLanguages()) that has one, and Qt's own texts in that language (file
/// chooser, standard buttons) when the system holds them. Returns the language chosen ("de"), or
/// an empty text when the windows stay English.
QString UseUserLanguage();

}  // namespace tolva
