#pragma once
// How the core reports what went wrong: it never shows anything and never exits. A step that
// fails hands a Failure to the caller's sink, and the sink's answer decides whether the
// procedure carries on with its next step (Resume) or stops at once (Cancel).
#include <functional>
#include <string>

namespace tolva {

/// A failure worded for a person: what failed and why ("cannot open /x/bleem!.INI: no such file").
struct Failure {
    std::string description;
    std::string module;  ///< the handler or procedure that traps it, as "GLOBAL.ReadINI"
};

enum class Resolution { Resume, Cancel };

/// Answers each failure; the app shows the common error message, tests record and answer.
using FailureSink = std::function<Resolution(const Failure&)>;

}  // namespace tolva
