#pragma once
// The program's style: the one Qt would choose (the desktop's, or the one named by -style or
// QT_STYLE_OVERRIDE), except that the icon of a menu bar's or tool bar's overflow button is read
// when first drawn. Every menu bar asks for it when it is made, and reading an icon's file makes
// Qt load and ask every image plugin it has: a millisecond of start-up for a button that shows
// only when the menus do not fit.
class QStyle;

namespace tolva {

QStyle* ProgramStyle();

}  // namespace tolva
