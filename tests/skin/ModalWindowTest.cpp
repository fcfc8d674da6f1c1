// The modal window's own loop: OnShowModal runs once the window is up, a
// failure there is reported and the window stays up until it is ended.
#include "skin/ModalWindow.h"

#include <gtest/gtest.h>
#include <QKeyEvent>

#include "base/Error.h"
#include "skin/ConnectHandler.h"
#include "support/ReportedErrors.h"

namespace quillo {
namespace {

TEST(ModalWindow, AFailingOnShowModalIsReportedAndTheWindowStaysUpUntilEnded) {
  testing::ReportedErrors reported;
  ModalWindow window;
  bool upWhenCalled = false;
  window.OnShowModal = [&](ModalWindow* w) {
    upWhenCalled = w->InModal() && w->isVisible();
    PostHandler(w, [w] {
      EXPECT_TRUE(w->InModal());
      w->EndModal(kModalOk);
    });
    throw Error("Cannot load the art");
  };
  EXPECT_EQ(window.ShowModal(), kModalOk);
  EXPECT_TRUE(upWhenCalled);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(reported.messages, QStringList({"Cannot load the art"}));

  // Escape is a Cancel.
  window.OnShowModal = [](ModalWindow* w) {
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &escape);
  };
  EXPECT_EQ(window.ShowModal(), kModalCancel);
  EXPECT_EQ(reported.messages.size(), 1);
}

}  // namespace
}  // namespace quillo
