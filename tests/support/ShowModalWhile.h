#pragma once
// Shows a modal window and runs `act` while it is up; `act` ends it. One left
// open is ended with Cancel after `limitMs`, as a test failure.
#include <gtest/gtest.h>

#include <QTimer>
#include <functional>

#include "skin/ModalWindow.h"

namespace quillo::testing {

template <class Window>
int ShowModalWhile(Window& window, const std::function<void(Window&)>& act, int limitMs = 5000) {
  QTimer leftOpen;
  leftOpen.setSingleShot(true);
  QObject::connect(&leftOpen, &QTimer::timeout, [&window] {
    ADD_FAILURE() << "the dialog was left open";
    window.EndModal(kModalCancel);
  });
  window.OnShowModal = [&](ModalWindow*) {
    act(window);
    leftOpen.start(limitMs);
  };
  return window.ShowModal();
}

}  // namespace quillo::testing
