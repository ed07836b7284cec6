#pragma once
// Handlers that Qt calls run behind the program's end boundary (Guarded): a request to end the
// program anywhere inside ends it here, and never reaches Qt's event loop.
#include <QObject>
#include <functional>
#include <initializer_list>
#include <utility>

#include "app/platform/seams.h"

namespace tolva {

/// Connects sender's signal to body, run behind the boundary while context lives.
template <typename Sender, typename Signal>
QMetaObject::Connection OnSignal(Platform& platform, Sender* sender, Signal signal, const QObject* context,
                                 std::function<void()> body) {
    return QObject::connect(sender, signal, context,
                            [&platform, body = std::move(body)] { Guarded(platform, body); });
}

/// A window's rows of "this control's signal runs that handler of mine": one table, each handler
/// behind the boundary as OnSignal runs it.
template <typename Window, typename Sender, typename... Args>
void OnSignals(Platform& platform, Window* window, void (Sender::*signal)(Args...),
               std::initializer_list<std::pair<Sender*, void (Window::*)()>> rows) {
    for (const auto& [sender, handler] : rows)
        OnSignal(platform, sender, signal, window, [window, handler] { (window->*handler)(); });
}

}  // namespace tolva
