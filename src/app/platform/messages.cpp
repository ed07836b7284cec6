#include "app/platform/coretext.h"
#include "app/platform/messages.h"

#include <QCoreApplication>

#include "app/platform/environment.h"
#include "app/platform/text.h"
#include "app/platform/waiting.h"

namespace tolva {

QString CommonErrorText(const Failure& failure) {
    return QCoreApplication::translate("CommonError", "Description : %1\r\nModul : %2\r\n\r\nplease contact me : %3\r\n\r\nResume?")
        .arg(CoreText(FromFile(failure.description)), QString::fromStdString(failure.module),
             QString::fromStdString(MaintainersMailbox()));
}

Resolution ShowCommonError(Platform& platform, QWidget* owner, const Failure& failure) {
    const MsgAnswer answer =
        platform.prompter->ask(owner, QCoreApplication::translate("CommonError", "%1 Critical Error").arg(kTitle), CommonErrorText(failure),
                               MsgIcon::Critical, MsgButtons::OkCancel);
    if (answer != MsgAnswer::Ok) EndProgram();
    return Resolution::Resume;
}

bool Guarded(Platform& platform, const std::function<void()>& body) {
    try {
        body();
        return true;
    } catch (const ProgramEnd&) {
        platform.terminator->endProgram();
        EndEveryWait();
        return false;
    }
}

FailureSink CommonErrorSink(Platform& platform, QWidget* owner) {
    return [&platform, owner](const Failure& failure) { return ShowCommonError(platform, owner, failure); };
}

FailureSink CommonErrorSink(Platform& platform, QWidget* owner, const QString& module) {
    return [&platform, owner, module](const Failure& failure) {
        Failure named = failure;
        if (named.module.empty()) named.module = module.toStdString();
        return ShowCommonError(platform, owner, named);
    };
}

}  // namespace tolva
