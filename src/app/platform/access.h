#pragma once
// What makes every window usable from the keyboard alone and with a screen reader, without
// changing a caption: access keys, Enter and Escape, the first focus, and display fields that
// read out their value under their caption's name.
#include <QString>

class QLabel;
class QMenu;
class QWidget;

namespace tolva {

/// Once per application: every named window of the program, as it is shown, gets access keys for
/// its buttons, boxes and options and the focus on its first input (or its forward button); Enter
/// in a field presses its forward button (Next, Finish, OK), and Escape presses Abort (or Cancel,
/// or Close; OK in a notice that has nothing to abort). The main window keeps its own focus and
/// keys, and its menus get access keys each time they open.
void UseKeyboardEverywhere();

/// The display field reads out as its caption ("Yes :" names it "Yes") with what it shows as its
/// value, and Tab reaches it. Its text can be selected, by mouse and keyboard, from the moment
/// the user reaches the field (the focus on it, a click on it). Until then it holds no text
/// document of its own: a label that can select or take the focus builds one at each text it is
/// given, and building them for every field of the main window cost its start 0.8 ms. Both draw
/// the same pixels.
void ExposeValue(QLabel* field, const QString& caption);

/// Gives field its text, without a text document while the user has not reached it yet.
void SetFieldText(QLabel* field, const QString& text);

/// Gives each of window's buttons, check boxes and options that has none an access key that no
/// other control of window has; a control that has one keeps it.
void AssignAccessKeys(QWidget* window);

/// The same for the entries of a menu, each time it opens (its entries may be renamed).
void AssignAccessKeys(QMenu* menu);

/// Text as shown: "&&" is "&", a single "&" marks the access key and is not shown.
QString WithoutAccessKey(const QString& text);

/// The access key text marks, upper-cased; a null character when it marks none.
QChar AccessKey(const QString& text);

}  // namespace tolva
