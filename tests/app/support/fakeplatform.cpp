#include "fakeplatform.h"

#include <QDir>
#include <QFile>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace tolva::test {

MsgAnswer ScriptedPrompter::ask(QWidget*, const QString& title, const QString& text, MsgIcon icon,
                                MsgButtons buttons) {
    const Message message{title, text, icon, buttons};
    shown.append(message);
    if (onShow) onShow(message);
    if (!answers.isEmpty()) return answers.dequeue();
    return buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
}

TestPlatform::TestPlatform() {
    platform = Platform{&prompter, &settings, &instance, &files, &chooser,
                        &shell,    &clock,    &drives,   &program, &terminator};
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

void WhenShown(const QString& objectName, std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, objectName, act, clock] {
        if (QWidget* window = TopLevel(objectName)) {
            timer->stop();
            timer->deleteLater();
            act(window);
        } else if (clock->elapsed() > 5000) {
            timer->stop();
            timer->deleteLater();
            qWarning("window %s never appeared", qPrintable(objectName));
        }
    });
    timer->start();
}

QByteArray Fixture(const QString& name) {
    QFile in(QStringLiteral(TOLVA_FIXTURES "/") + name);
    if (!in.open(QIODevice::ReadOnly)) qFatal("missing fixture %s", qPrintable(name));
    return in.readAll();
}

QByteArray Entry(const QByteArray& id, const QByteArray& title, const QByteArray& flags) {
    return "ID=" + id + "\r\nTitle=" + title + "\r\nFlags=" + flags + "\r\n";
}

}  // namespace tolva::test
