#pragma once
// Differences of bleem!.INI shown to the user: the view the history window shares, and the
// window that previews a change (Clean Up's and the update's "Preview...") before it is made.
#include <QWidget>
#include <string_view>

class QPlainTextEdit;
class QPushButton;

namespace tolva {

struct Platform;

struct IniChange;
struct ProgramState;

/// A read-only text field for a difference, in a fixed-pitch font, named DifferenceTEXT.
QPlainTextEdit* DifferenceView(QWidget* parent);

/// The lines after adds to and removes from before, or a sentence saying that none differ.
QString DifferenceShown(std::string_view before, std::string_view after);

class PreviewFORM : public QWidget {
    Q_OBJECT

public:
    PreviewFORM(const QString& caption, const QString& difference);

    /// Shows what change would make of bleem!.INI (or why it cannot be made), computed as the
    /// change computes it and writing nothing; owner stays disabled until the window closes.
    static void Run(Platform& platform, QWidget* owner, const ProgramState& state, const IniChange& change);

private:
    QPlainTextEdit* DifferenceTEXT = nullptr;
    QPushButton* CloseBUTTON = nullptr;
};

}  // namespace tolva
