// The camera dialog over FFmpeg's test pattern (QUILLO_TEST_CAMERA=1): the
// whole path from the picture source dialog's camera button to its picture;
// and a machine without any capture device.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "base/Error.h"
#include "io/TCaptureBitmapDialog.h"
#include "skin/TGraphicButton.h"
#include "support/RunningWindows.h"
#include "support/ScopedEnv.h"
#include "support/ShowModalWhile.h"
#include "support/TestFolder.h"

namespace quillo {
namespace {

// Ticks the preview until `arrived` holds. The test pattern makes its frames
// in real time, so this waits for the device (up to 3 s), not for the timer.
template <class Arrived>
bool FrameArrives(TVidcap& vidcap, Arrived arrived) {
  return QTest::qWaitFor(
      [&] {
        vidcap.PreviewTimerTimer();
        return arrived();
      },
      3000);
}

TEST(Camera, TheTestPatternPreviewsFreezesAndEndsInThePictureSourceDialog) {
  testing::ScopedEnv camera(kTestCameraVariable, "1");
  testing::DataFolder data;
  testing::RunningWindows running(data);
  TOpenForm& open = *running.windows->OpenForm;
  TCaptureBitmapDialog& dialog = *running.windows->CaptureBitmapDialog;
  TVidcap& vidcap = *dialog.Vidcap;
  ASSERT_GE(vidcap.DriverCount(), 1);
  ASSERT_EQ(vidcap.DriverNames().back(), kTestCameraName);
  dialog.DriverComboBox->setCurrentIndex(vidcap.DriverCount() - 1);
  EXPECT_EQ(dialog.size(), QSize(441, 251));
  EXPECT_EQ(dialog.windowTitle(), "Capture Image");

  Bitmap frozen;
  dialog.OnShowModal = [&](ModalWindow*) {
    EXPECT_TRUE(vidcap.GetConnected());
    EXPECT_TRUE(dialog.OK->isEnabled());
    EXPECT_TRUE(dialog.Freeze->isEnabled());
    EXPECT_TRUE(dialog.Format->isEnabled());
    EXPECT_FALSE(dialog.Source->isEnabled());  // the pattern has no inputs
    EXPECT_FALSE(dialog.Display->isEnabled());
    EXPECT_FALSE(dialog.Stretch->isVisible());
    // Live: the preview polls 25 times a second, and the pattern moves.
    EXPECT_TRUE(vidcap.PreviewTimer.isActive());
    EXPECT_EQ(vidcap.PreviewTimer.interval(), 40);
    EXPECT_TRUE(FrameArrives(vidcap, [&] { return !vidcap.CurrentFrame().Empty(); }));
    const Bitmap first = vidcap.CurrentFrame();
    EXPECT_EQ(first.Width(), 320);
    EXPECT_TRUE(FrameArrives(vidcap, [&] { return vidcap.CurrentFrame() != first; }));
    // Another format from the Format dialog reconnects at that size.
    vidcap.Choose = [](const QString&, const QStringList& labels, int) {
      return static_cast<int>(labels.indexOf("RGB, 640x480"));
    };
    QTest::mouseClick(dialog.Format, Qt::LeftButton);
    EXPECT_TRUE(FrameArrives(vidcap, [&] { return vidcap.CurrentFrame().Width() == 640; }));
    // Frozen: the picture stays, and OK takes it.
    QTest::mouseClick(dialog.Freeze, Qt::LeftButton);
    EXPECT_FALSE(vidcap.LiveVideo());
    frozen = vidcap.CurrentFrame();
    EXPECT_FALSE(vidcap.PreviewTimer.isActive());
    Bitmap taken;
    ASSERT_TRUE(vidcap.GetBitmap(taken));  // a frozen preview reads the device no more
    EXPECT_EQ(taken, frozen);
    EXPECT_EQ(vidcap.CurrentFrame(), frozen);
    QTest::mouseClick(dialog.OK, Qt::LeftButton);
  };
  const int result = testing::ShowModalWhile<TOpenForm>(open, [&](TOpenForm& f) {
    EXPECT_EQ(f.bCamera->Transparency(), 0);
    QTest::mouseClick(f.bCamera, Qt::LeftButton);
  });
  EXPECT_EQ(result, kModalOk);
  ASSERT_FALSE(frozen.Empty());
  EXPECT_EQ(dialog.CapturedBitmap, frozen);
  EXPECT_EQ(open.ResultPicture, frozen);
  EXPECT_TRUE(running.Errors().isEmpty()) << running.Errors().join("|").toStdString();
}

TEST(Camera, WithoutADeviceTheButtonStaysFadedAndOpensNothing) {
  testing::ScopedEnv camera(kTestCameraVariable, "");
  testing::DataFolder data;
  testing::RunningWindows running(data);
  TOpenForm& open = *running.windows->OpenForm;
  TCaptureBitmapDialog& dialog = *running.windows->CaptureBitmapDialog;
  if (dialog.Vidcap->DriverCount() > 0) GTEST_SKIP() << "a camera is attached";
  bool dialogShown = false;
  dialog.OnShowModal = [&](ModalWindow*) {
    dialogShown = true;
    dialog.EndModal(kModalCancel);
  };
  testing::ShowModalWhile<TOpenForm>(open, [&](TOpenForm& f) {
    EXPECT_EQ(f.bCamera->Transparency(), 50);
    QTest::mouseClick(f.bCamera, Qt::LeftButton);
    EXPECT_TRUE(f.InModal());
    f.EndModal(kModalCancel);
  });
  EXPECT_FALSE(dialogShown);
  // No driver to connect: every control that needs one is off.
  dialog.DriverComboBoxChange();
  for (QWidget* w : std::initializer_list<QWidget*>{dialog.Source, dialog.Format, dialog.Display,
                                                    dialog.Stretch, dialog.Freeze, dialog.OK})
    EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
  EXPECT_TRUE(dialog.Cancel->isEnabled());
  try {
    dialog.Vidcap->Supports(ccDlgVideoFormat);
    ADD_FAILURE() << "no error without a connection";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Capture driver is not initialized");
  }
}

}  // namespace
}  // namespace quillo
