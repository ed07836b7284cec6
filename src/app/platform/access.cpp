#include "app/platform/access.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTextEdit>
#include <mutex>

namespace tolva {
namespace {

// The property that marks a display field and holds its caption's name.
constexpr char kValueOf[] = "tolvaValueOf";

/// A display field as a screen reader meets it: named by its caption, read-only text whose value
/// is exactly what the field shows. The text reaches AT-SPI through the text interface (its
/// bridge publishes no text value of a plain label).
class ValueField final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ValueField(QWidget* field) : QAccessibleWidget(field, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name:
                return widget()->property(kValueOf).toString();
            case QAccessible::Value:
                return shown();
            default:
                return QAccessibleWidget::text(t);
        }
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // Read-only text without a caret or a selection of its own.
    QString text(int startOffset, int endOffset) const override { return shown().mid(startOffset, endOffset - startOffset); }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    QString shown() const { return static_cast<const QLabel*>(widget())->text(); }
};

QAccessibleInterface* ValueFieldFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QLabel") && object && object->property(kValueOf).isValid())
        return new ValueField(static_cast<QWidget*>(object));
    return nullptr;
}

// text with an access key on a letter or digit not in used: a word's first letter if it can,
// else any; text as it was when every one is taken.
QString WithAccessKey(const QString& text, QSet<QChar>& used) {
    const auto free = [&](qsizetype i) {
        return text[i].isLetterOrNumber() && !used.contains(text[i].toUpper());
    };
    qsizetype chosen = -1;
    for (qsizetype i = 0; i < text.size() && chosen < 0; ++i) {
        if (free(i) && (i == 0 || !text[i - 1].isLetterOrNumber())) chosen = i;
    }
    for (qsizetype i = 0; i < text.size() && chosen < 0; ++i) {
        if (free(i)) chosen = i;
    }
    if (chosen < 0) return text;
    used.insert(text[chosen].toUpper());
    QString keyed = text;
    keyed.insert(chosen, QLatin1Char('&'));
    return keyed;
}

// Controls a user reaches with an access key: those that take the focus and have a caption.
QList<QAbstractButton*> KeyedControls(QWidget* window) {
    QList<QAbstractButton*> controls;
    for (QAbstractButton* control : window->findChildren<QAbstractButton*>()) {
        if (control->window() == window && control->focusPolicy() != Qt::NoFocus && !control->text().isEmpty())
            controls.append(control);
    }
    return controls;
}

// A button of this window (not of a window inside it) that a key may click now.
bool Clickable(const QPushButton* button, const QWidget* window) {
    return button && button->window() == window && button->isVisible() && button->isEnabled();
}

QPushButton* NamedButtonOf(QWidget* window, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        auto* button = window->findChild<QPushButton*>(QString::fromLatin1(name));
        if (Clickable(button, window)) return button;
    }
    return nullptr;
}

QPushButton* DefaultButtonOf(QWidget* window) {
    for (QPushButton* button : window->findChildren<QPushButton*>())
        if (button->isDefault() && Clickable(button, window)) return button;
    return nullptr;
}

bool IsInput(const QWidget* w) {
    if (const auto* line = qobject_cast<const QLineEdit*>(w)) return !line->isReadOnly();
    return qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTextEdit*>(w) ||
           qobject_cast<const QAbstractItemView*>(w);
}

// The first input in the window's tab order, else its forward button.
QWidget* FirstFocus(QWidget* window) {
    for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
        if (IsInput(w) && w->isVisibleTo(window) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) return w;
    }
    return NamedButtonOf(window, {"ForwardBUTTON", "OkBUTTON"});
}

class KeyboardEverywhere final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show && event->type() != QEvent::KeyPress) return false;
        auto* window = qobject_cast<QWidget*>(watched);
        // Message boxes and file dialogs keep their own keys; the program's windows are named.
        if (!window || !window->isWindow() || window->objectName().isEmpty() || qobject_cast<QMenu*>(window))
            return false;
        if (event->type() == QEvent::Show) {
            shown(window);
            return false;
        }
        // A key press reaches the window itself only when no control of it took the key.
        return pressed(window, static_cast<QKeyEvent*>(event));
    }

private:
    static void shown(QWidget* window) {
        AssignAccessKeys(window);
        if (auto* main = qobject_cast<QMainWindow*>(window)) {
            if (!main->property("tolvaMenusKeyed").toBool()) {
                main->setProperty("tolvaMenusKeyed", true);
                for (QMenu* menu : main->menuBar()->findChildren<QMenu*>()) {
                    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] { AssignAccessKeys(menu); });
                }
            }
            return;  // the main window's own keys and focus are its own
        }
        QWidget* focus = window->focusWidget();
        if (!focus || focus->objectName() == QLatin1String("BackBUTTON")) {
            if (QWidget* first = FirstFocus(window)) first->setFocus(Qt::OtherFocusReason);
        }
    }

    static bool pressed(QWidget* window, QKeyEvent* key) {
        if (key->modifiers() & ~Qt::KeypadModifier) return false;
        if (key->key() == Qt::Key_Escape) {
            // A notice with nothing to abort is closed by its OK.
            QPushButton* abort = NamedButtonOf(window, {"AbortBUTTON", "CancelBUTTON", "CloseBUTTON"});
            if (!abort && !NamedButtonOf(window, {"ForwardBUTTON"})) abort = NamedButtonOf(window, {"OkBUTTON"});
            if (abort) abort->click();
            return abort != nullptr;
        }
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
        // From any field Enter is the forward button, else the window's default one (a preview's
        // Close); a focused button answers only Space (and Enter when it is that button itself),
        // so Enter on Abort or a drive is no click.
        QPushButton* target = NamedButtonOf(window, {"ForwardBUTTON", "OkBUTTON"});
        if (!target) target = DefaultButtonOf(window);
        QWidget* focused = window->focusWidget();
        if (qobject_cast<QPushButton*>(focused) && focused != target) return false;
        if (target) target->click();
        return target != nullptr;
    }
};

// Whether the field's text is selectable already: the user has reached it.
bool Reached(const QLabel* field) { return field->textInteractionFlags() & Qt::TextSelectableByMouse; }

// Makes the field's text selectable the first time the user reaches it, before the field
// handles that event itself: the focus (given by Tab, a click, its caption's key or a screen
// reader), or a press of a mouse button that gives no focus (one sent by another program).
class SelectsWhenReached final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::FocusIn:
            case QEvent::MouseButtonPress: {
                auto* field = static_cast<QLabel*>(watched);
                // The flags make the focus a click's alone; a field that Tab reaches keeps Tab.
                const Qt::FocusPolicy policy = field->focusPolicy();
                field->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
                if (policy != Qt::NoFocus) field->setFocusPolicy(policy);
                field->removeEventFilter(this);
                deleteLater();
                break;
            }
            default:
                break;
        }
        return false;
    }
};

}  // namespace

void UseKeyboardEverywhere() {
    if (!qApp) return;
    static std::once_flag installed;
    std::call_once(installed, [] { qApp->installEventFilter(new KeyboardEverywhere(qApp)); });
}

void ExposeValue(QLabel* field, const QString& caption) {
    static std::once_flag factory;
    std::call_once(factory, [] { QAccessible::installFactory(ValueFieldFactory); });
    QString name = caption;
    name.remove(QLatin1Char('&'));
    if (name.endsWith(QLatin1Char(':'))) name.chop(1);
    field->setProperty(kValueOf, name.trimmed());
    field->setAccessibleName(name.trimmed());
    field->setFocusPolicy(Qt::StrongFocus);
    if (!Reached(field)) field->installEventFilter(new SelectsWhenReached(field));
}

void SetFieldText(QLabel* field, const QString& text) {
    if (Reached(field)) {
        field->setText(text);
        return;
    }
    // The label builds its document at the text it is given if it can take the focus then.
    const Qt::FocusPolicy policy = field->focusPolicy();
    field->setFocusPolicy(Qt::NoFocus);
    field->setText(text);
    field->setFocusPolicy(policy);
}

void AssignAccessKeys(QWidget* window) {
    QSet<QChar> used;
    const QList<QAbstractButton*> controls = KeyedControls(window);
    for (QAbstractButton* control : controls) used.insert(AccessKey(control->text()));
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->buddy()) used.insert(AccessKey(label->text()));
    }
    if (auto* main = qobject_cast<QMainWindow*>(window)) {
        for (const QAction* menu : main->menuBar()->actions()) used.insert(AccessKey(menu->text()));
    }
    used.remove(QChar());
    // In the order Tab visits them, so the first controls get their own first letters.
    for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
        auto* control = qobject_cast<QAbstractButton*>(w);
        if (!control || !controls.contains(control) || !AccessKey(control->text()).isNull()) continue;
        control->setText(WithAccessKey(control->text(), used));
    }
}

void AssignAccessKeys(QMenu* menu) {
    QSet<QChar> used;
    const QList<QAction*> entries = menu->actions();
    for (const QAction* entry : entries) used.insert(AccessKey(entry->text()));
    used.remove(QChar());
    for (QAction* entry : entries) {
        if (entry->isSeparator() || entry->text().isEmpty() || !AccessKey(entry->text()).isNull()) continue;
        entry->setText(WithAccessKey(entry->text(), used));
    }
}

QChar AccessKey(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] != QLatin1Char('&')) return text[i + 1].toUpper();
        ++i;  // "&&" is a shown "&"
    }
    return {};
}

QString WithoutAccessKey(const QString& text) {
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
        shown.append(text[i]);
    }
    return shown;
}

}  // namespace tolva
