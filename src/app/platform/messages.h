#pragma once
// The program's own message boxes that many windows share.
#include <QString>

#include "app/platform/seams.h"
#include "core/failure.h"

class QWidget;

namespace tolva {

/// The program's title, first word of every message box title and of every caption.
inline const QString kTitle = QStringLiteral("tolva!");

/// The common error message's text for a failure.
QString CommonErrorText(const Failure& failure);

/// Shows the common error message; OK resumes, Cancel ends the program (EndProgram).
Resolution ShowCommonError(Platform& platform, QWidget* owner, const Failure& failure);

/// A sink for the core that shows the common error message for every failure.
FailureSink CommonErrorSink(Platform& platform, QWidget* owner);

/// The same for a handler: failures whose module is empty are reported under `module`.
FailureSink CommonErrorSink(Platform& platform, QWidget* owner, const QString& module);

}  // namespace tolva
