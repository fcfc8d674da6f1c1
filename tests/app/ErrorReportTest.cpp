// Failures at the toolkit boundary: an error that escapes a handler is shown
// in the application's error box, on the user-interface thread, and the
// program goes on.
#include <gtest/gtest.h>
#include <QCoreApplication>

#include <thread>

#include "app/QuilloApplication.h"
#include "base/Error.h"
#include "base/Handler.h"
#include "skin/TGraphicSlider.h"
#include "support/RecordingServices.h"

namespace quillo {
namespace {

class ErrorReport : public ::testing::Test {
 protected:
  void SetUp() override { app()->SetErrorBoxes(&boxes_); }
  void TearDown() override { app()->SetErrorBoxes(nullptr); }
  static QuilloApplication* app() { return static_cast<QuilloApplication*>(qApp); }

  testing::RecordingMessageBoxes boxes_;
};

TEST_F(ErrorReport, AFailingCallbackIsShownAndTheControlKeepsItsNewState) {
  TGraphicSlider slider;
  slider.SetMax(10);
  int calls = 0;
  slider.OnChange = [&](TGraphicSlider*) {
    ++calls;
    throw Error("Cannot open file face.bmp");
  };
  slider.SetValue(4);
  slider.SetValue(7);
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(slider.Value(), 7);
  EXPECT_EQ(boxes_.errors, QStringList({"Cannot open file face.bmp", "Cannot open file face.bmp"}));
}

TEST_F(ErrorReport, RunHandlerTellsWhetherTheHandlerSucceeded) {
  EXPECT_TRUE(RunHandler([] {}));
  EXPECT_FALSE(RunHandler([] { throw std::bad_alloc(); }));
  EXPECT_FALSE(RunHandler([] { throw std::runtime_error("disk on fire"); }));
  EXPECT_EQ(boxes_.errors, QStringList({"Not enough memory", "disk on fire"}));
}

TEST_F(ErrorReport, AReportFromAWorkerIsShownOnTheUserInterfaceThread) {
  std::thread worker([] { RunHandler([] { throw Error("Video file could not be written"); }); });
  worker.join();
  EXPECT_TRUE(boxes_.errors.isEmpty());  // not shown from the worker itself
  QCoreApplication::processEvents();
  EXPECT_EQ(boxes_.errors, QStringList({"Video file could not be written"}));
}

}  // namespace
}  // namespace quillo
