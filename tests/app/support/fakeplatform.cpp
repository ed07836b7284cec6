#include "fakeplatform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWidget>

namespace tolva::test {

void RecordingTerminator::endProgram() {
    endedFlag = true;
    for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
}


MsgAnswer ScriptedPrompter::ask(QWidget*, const QString& title, const QString& text, MsgIcon icon,
                                MsgButtons buttons) {
    const Message message{title, text, icon, buttons};
    shown.append(message);
    if (onShow) onShow(message);
    if (!answers.isEmpty()) return answers.dequeue();
    return buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
}

char* toString(const Message& m) {
    return qstrdup(qPrintable(QStringLiteral("%1 | %2 | icon %3, buttons %4")
                                  .arg(m.title, m.text).arg(int(m.icon)).arg(int(m.buttons))));
}

TestPlatform::TestPlatform() {
    platform = Platform{&prompter, &settings, &instance, &files, &chooser,
                        &shell,    &clock,    &drives,   &program, &terminator};
    platform.images = &images;
    platform.keyring = &keyring;
    program.dir = path(QStringLiteral("program"));
    QDir().mkpath(program.dir);
}

QString TestPlatform::path(const QString& relative) const { return dir.filePath(relative); }

QString TestPlatform::write(const QString& relative, const QByteArray& bytes) const {
    const QString file = path(relative);
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write %s", qPrintable(file));
    out.write(bytes);
    return file;
}

QByteArray TestPlatform::read(const QString& relative) const {
    QFile in(path(relative));
    if (!in.open(QIODevice::ReadOnly)) return {};
    return in.readAll();
}

QWidget* TopLevel(const QString& objectName) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == objectName && widget->isVisible()) return widget;
    return nullptr;
}

QByteArray Entry(const QByteArray& id, const QByteArray& title, const QByteArray& flags) {
    return "ID=" + id + "\r\nTitle=" + title + "\r\nFlags=" + flags + "\r\n";
}

}  // namespace tolva::test
