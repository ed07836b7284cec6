#pragma once
// The one place where the core's texts meet the user's language. The core words its messages in
// English and knows nothing of translation; each message it can give is listed here as a pattern
// under its subsystem, its parts (paths, counts, titles, a reason) as %1, %2, ..., and a message
// is shown translated with its parts put back into the translated pattern.
#include <QString>

namespace tolva {

/// english translated when it matches a known pattern of the core's, its parts translated in
/// turn where they are messages themselves (a reason after a path); else english unchanged.
QString CoreText(const QString& english);

}  // namespace tolva
