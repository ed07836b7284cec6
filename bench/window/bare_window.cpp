// The floor tolva!'s start-up is held against: a bare Qt Widgets window of the main window's size,
// started the same way and ended the same way, the moment the window system first shows it.
#include <QApplication>
#include <QWidget>
#include <QWindow>
#include <cstdlib>

#include "app/platform/endwhenshown.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    const int width = argc > 2 ? std::atoi(argv[1]) : 800;
    const int height = argc > 2 ? std::atoi(argv[2]) : 600;
    window.resize(width, height);
    window.show();
    tolva::EndWhenExposed(window.windowHandle());
    return QApplication::exec();
}
