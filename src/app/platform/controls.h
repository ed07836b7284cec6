#pragma once
// Builders for the controls every window makes, named as the program names them (objectName).
#include <QString>
#include <initializer_list>

class QBoxLayout;
class QLabel;
class QLayout;
class QPushButton;
class QWidget;

namespace tolva {

/// A word-wrapping label; "LABEL" is the name the program gives its plain captions.
QLabel* WrappedLabel(QWidget* parent, const QString& text, const char* name = "LABEL");

/// A push button with that objectName.
QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption);

/// A control with a caption (check box, option, button) and that objectName.
template <class Control>
Control* Named(QWidget* parent, const char* name, const QString& caption) {
    auto* control = new Control(caption, parent);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

/// A row of buttons kept to the right, added at the end of `content`.
void AddButtonRow(QBoxLayout* content, std::initializer_list<QPushButton*> buttons);

/// The tool windows' arrangement: the picture at the top left, the content beside it.
void PictureBeside(QWidget* window, QLabel* picture, QLayout* content);

}  // namespace tolva
