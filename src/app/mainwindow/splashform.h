#pragma once
// The splash window: the LOGO picture with the release and build number at its top right.
// Shown during start-up and by "About..."; a click anywhere closes it, and so do Escape, Enter
// and Space.
#include <QWidget>

class QLabel;

namespace tolva {

struct Platform;

class SplashFORM : public QWidget {
    Q_OBJECT

public:
    SplashFORM(Platform& platform, QWidget* parent = nullptr);

    /// "Release 5\nBuild 118" for the given release name and revision.
    static QString VersionText(const QString& releaseName, int revision);
    /// Left edge of a label of width labelWidth at top in a window of width windowWidth, so that
    /// its distance from the right edge equals its distance from the top.
    static int RightAlignedLeft(int windowWidth, int labelWidth, int top) { return windowWidth - labelWidth - top; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;  // Form_Click
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap logo_;
    QLabel* VersionLABEL = nullptr;
};

}  // namespace tolva
