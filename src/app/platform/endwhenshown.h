#pragma once
// Ends the process the moment a window is first exposed (TOLVA_END_WHEN_SHOWN): what a start-up
// benchmark times is the way from exec to a window the user sees, not the way out. Before ending
// it prints its peak memory ("peak-kib N"), which a parent cannot read once the process is gone.
// Header-only, so the bare window the benchmark compares against ends in the very same way.
#include <QEvent>
#include <QObject>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tolva {

[[noreturn]] inline void EndShown() {
    long peak = 0;
    if (std::FILE* status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, status)) {
            if (std::strncmp(line, "VmHWM:", 6) == 0) peak = std::strtol(line + 6, nullptr, 10);
        }
        std::fclose(status);
    }
    std::printf("peak-kib %ld\n", peak);
    std::fflush(nullptr);
    std::_Exit(0);
}

class EndOnExpose final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window && window->isExposed()) EndShown();
        return false;
    }
};

inline void EndWhenExposed(QWindow* window) {
    if (window->isExposed()) EndShown();
    window->installEventFilter(new EndOnExpose(window));
}

}  // namespace tolva
