#pragma once
// The splash window: the LOGO picture with the release and build number at its top right.
// Shown during start-up and by "About..." (run by the host, the main window hidden meanwhile); a
// click anywhere closes it, and so do Escape, Enter and Space.
#include "app/host/toolwindow.h"

class QLabel;

namespace tolva {

class SplashFORM : public ToolWindow {
    Q_OBJECT

public:
    explicit SplashFORM(MainHost& host);

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
