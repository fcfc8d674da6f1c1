#pragma once
// Connects a signal to a handler that runs through RunHandler, so that a
// failure in a slot, a timer handler or a queued notice is reported in the
// error box and never thrown through the toolkit's dispatch. The handler
// takes the signal's arguments or none.
#include <QObject>
#include <type_traits>
#include <utility>

#include "base/Handler.h"

namespace quillo {

// Calls the handler with the signal's arguments when it takes them, else with
// none.
template <class Handler, class... Args>
void CallWithOrWithout(const Handler& handler, const Args&... args) {
  if constexpr (std::is_invocable_v<const Handler&, const Args&...>)
    handler(args...);
  else
    handler();
}

template <class Sender, class Signal, class Handler>
QMetaObject::Connection ConnectHandler(const Sender* sender, Signal signal, const QObject* receiver,
                                       Handler handler,
                                       Qt::ConnectionType type = Qt::AutoConnection) {
  return QObject::connect(
      sender, signal, receiver,
      [handler = std::move(handler)](const auto&... args) {
        RunHandler([&] { CallWithOrWithout(handler, args...); });
      },
      type);
}

// Queues a handler on the receiver's thread (the toolkit's next turn), through
// RunHandler; callable from any thread. The handler runs once, so it may move
// what it holds. Nothing runs when the receiver is gone by then.
template <class Handler>
void PostHandler(const QObject* receiver, Handler handler) {
  QMetaObject::invokeMethod(
      const_cast<QObject*>(receiver),
      [handler = std::move(handler)]() mutable { RunHandler(handler); }, Qt::QueuedConnection);
}

}  // namespace quillo
