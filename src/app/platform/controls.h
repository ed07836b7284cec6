#pragma once
// Builders for the controls every window makes, named as the program names them (objectName).
#include <QString>
#include <string_view>
#include <initializer_list>
#include "app/platform/widgetsfwd.h"

class QBoxLayout;
class QLayout;
class QWidget;

namespace tolva {

/// A word-wrapping label; "LABEL" is the name the program gives its plain captions.
QLabel* WrappedLabel(QWidget* parent, const QString& text, const char* name = "LABEL");

/// Takes out of box the characters Windows-1252 cannot hold, typed or pasted, keeping the caret
/// where it was; returns what was taken out (empty when nothing was), for the caller to explain.
QString DropOutsideCp1252(QLineEdit* box);

/// Characters of a value a display field or list row shows at most: more than any screen holds
/// on a line, and few enough that laying them out stays instant whatever the file holds.
inline constexpr qsizetype kShownCharacters = 1024;

/// The part of a file's value that ShowValue can use: converting more would only cost time.
inline std::string_view ShownBytes(std::string_view value) {
    return value.substr(0, static_cast<std::size_t>(16 * kShownCharacters + 1));
}

/// Shows a value in a display field that never widens its window (the field takes the width it
/// is given): at most kShownCharacters, as plain text, cut at the field's edge; while it does not
/// fit (at any width the field is given later too), the tooltip adds the whole value (up to a
/// limit) to the field's own tooltip.
void ShowValue(QLabel* field, const QString& value);

/// Keeps field at least as wide as showing widest whole takes: the widest value it can be given.
void WideEnoughFor(QLabel* field, const QString& widest);

/// A push button with that objectName.
QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption);

/// A control with a caption (check box, option, button) and that objectName.
template <class Control>
Control* Named(QWidget* parent, const char* name, const QString& caption) {
    auto* control = new Control(caption, parent);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

/// A control without a caption (a field a label names, a table, a progress bar) with that objectName.
template <class Control>
Control* Named(QWidget* parent, const char* name) {
    auto* control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

/// A control without a caption (list, table, value field) with that objectName and the name a
/// screen reader gives it.
template <class Control>
Control* Uncaptioned(QWidget* parent, const char* name, const QString& accessibleName) {
    auto* control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setAccessibleName(accessibleName);
    return control;
}

/// A row of buttons kept to the right, added at the end of `content`; Tab goes along it as it reads.
void AddButtonRow(QBoxLayout* content, std::initializer_list<QPushButton*> buttons);

/// A window's picture, named PICTUREBOX and read out as what it means; showing the picture
/// resource of that name when one is given (else the window sets it when it loads).
QLabel* PictureBox(QWidget* window, const QString& meaning, const QString& picture = QString());

/// The tool windows' arrangement: the picture at the top left, the content beside it.
void PictureBeside(QWidget* window, QLabel* picture, QLayout* content);

}  // namespace tolva
