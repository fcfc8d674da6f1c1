// The scanner driven through the real SANE library with its "test" backend,
// configured in a folder of the test's own (SANE_CONFIG_DIR); and the picture
// source dialog's scanner button over a scripted scanner.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "io/Scanner.h"
#include "io/TScanDialog.h"
#include "io/core/ScannedDib.h"
#include "skin/BitmapImage.h"
#include "skin/TGraphicButton.h"
#include "support/RunningWindows.h"
#include "support/ScopedEnv.h"
#include "support/ShowModalWhile.h"
#include "support/TestFolder.h"

namespace quillo {
namespace {

constexpr const char* kColourScan = "mode Color\nresolution 25\ntest-picture \"Color pattern\"\n";

class SaneTestScanner : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!ScannerAvailable()) GTEST_SKIP() << "no SANE library here";
  }
  // dll.conf names the backends; test.conf sets the test device up.
  void Configure(const QByteArray& backends, const QByteArray& device) {
    Write("dll.conf", backends);
    Write("test.conf", "number_of_devices 1\n" + device);
  }
  void Write(const QString& name, const QByteArray& text) {
    QFile file(config_.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  }
  // The scan as SANE's own command-line front end makes it.
  QImage ScanImage(const QStringList& arguments = {}) {
    if (QStandardPaths::findExecutable("scanimage").isEmpty()) return {};
    QProcess scan;
    scan.start("scanimage", QStringList{"--format=pnm"} + arguments);
    EXPECT_TRUE(scan.waitForFinished(20000));
    return QImage::fromData(scan.readAllStandardOutput(), "PPM");
  }
  std::optional<std::vector<std::uint8_t>> Acquire(const std::function<void(TScanDialog&)>& act) {
    scanner_.OnDialogShown = [&](TScanDialog& d) {
      callerDisabled_ = !caller_.isEnabled() && d.isEnabled() && d.ScanButton->isEnabled();
      act(d);
    };
    return scanner_.AcquireScannedDib(&caller_, 0);
  }

  QTemporaryDir config_;
  testing::ScopedEnv env_{"SANE_CONFIG_DIR", config_.path().toLocal8Bit()};
  QStringList reports_;
  SaneScanner scanner_{[this](const QString& text) { reports_ << text; }};
  QWidget caller_;
  bool callerDisabled_ = false;
};

TEST_F(SaneTestScanner, AColourScanArrivesAsTheDeviceDrewIt) {
  Configure("test\n", kColourScan);
  QStringList optionNames;
  auto dib = Acquire([&](TScanDialog& d) {
    for (const ScanOption& o : d.Options()) optionNames << QString::fromStdString(o.name);
    d.ScanClick();
    EXPECT_TRUE(d.Scanning()) << d.Status->text().toStdString();
  });
  EXPECT_TRUE(callerDisabled_);
  EXPECT_TRUE(caller_.isEnabled());
  EXPECT_TRUE(reports_.isEmpty()) << reports_.join("|").toStdString();
  EXPECT_EQ(optionNames, QStringList({"mode", "resolution", "tl-x", "tl-y", "br-x", "br-y"}));
  ASSERT_TRUE(dib);
  const Bitmap picture = DibToBitmap(*dib);
  // 80 x 100 mm at 25 dots per inch.
  ASSERT_EQ(picture.Width(), 78);
  ASSERT_EQ(picture.Height(), 98);
  EXPECT_EQ(picture.At(0, 0) & 0xFFFFFF, MakePixel(85, 85, 85) & 0xFFFFFF);  // the grid
  EXPECT_EQ(picture.At(1, 97) & 0xFFFFFF, MakePixel(255, 0, 0) & 0xFFFFFF);
  const QImage reference = ScanImage();
  if (!reference.isNull()) {
    EXPECT_EQ(ToImage(picture).convertToFormat(QImage::Format_RGB888),
              reference.convertToFormat(QImage::Format_RGB888));
  }

  // A second acquisition loads SANE afresh: a three-pass device, whose three
  // frames make the same picture; the scan area chosen in the dialog counts.
  Configure("test\n", QByteArray(kColourScan) + "three-pass true\n");
  dib = Acquire([](TScanDialog& d) {
    for (std::size_t i = 0; i < d.Options().size(); ++i)
      if (d.Options()[i].name == "br-x") static_cast<QDoubleSpinBox*>(d.Editors[i])->setValue(40);
    d.ScanClick();
  });
  ASSERT_TRUE(dib);
  const Bitmap threePass = DibToBitmap(*dib);
  ASSERT_EQ(threePass.Width(), 39);
  EXPECT_EQ(threePass.Height(), 98);
  const QImage narrow = ScanImage({"-x", "40"});
  if (!narrow.isNull()) {
    EXPECT_EQ(ToImage(threePass).convertToFormat(QImage::Format_RGB888),
              narrow.convertToFormat(QImage::Format_RGB888));
  }
}

TEST_F(SaneTestScanner, AFailedOrClosedScanGivesNoPictureAndTheDialogOutlivesAFailure) {
  Configure("test\n", QByteArray(kColourScan) +
                          "enable-test-options true\nread-status-code \"SANE_STATUS_JAMMED\"\n");
  QString status;
  bool upAfterFailure = false;
  auto dib = Acquire([&](TScanDialog& d) {
    d.ScanClick();
    // The outcome comes back from the scan's worker thread through the event
    // loop; this waits for the worker, not for a timer.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !d.Scanning(); }, 10000));
    status = d.Status->text();
    upAfterFailure = d.isVisible() && !d.Done() && d.ScanButton->isEnabled();
    d.CloseClick();
  });
  EXPECT_FALSE(dib);
  EXPECT_EQ(status, "The scan failed: Document feeder jammed.");
  EXPECT_TRUE(upAfterFailure);
  EXPECT_TRUE(reports_.isEmpty());
  EXPECT_TRUE(caller_.isEnabled());
}

TEST_F(SaneTestScanner, CancelStopsTheScanUnderWayAndKeepsTheDialogToScanAgain) {
  // Small reads with a pause after each: a scan of a few seconds.
  Configure("test\n", QByteArray(kColourScan) +
                          "read-limit true\nread-limit-size 256\nread-delay true\n"
                          "read-delay-duration 20000\n");
  QString progress, afterCancel;
  bool upAfterCancel = false, busyPointer = true;
  auto dib = Acquire([&](TScanDialog& d) {
    busyPointer = QApplication::overrideCursor() != nullptr;
    d.ScanClick();
    EXPECT_EQ(d.CloseButton->text(), "Cancel");
    // The rows received so far, of the rows the device announced.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
          progress = d.Status->text();
          return progress.startsWith("Scanning: ") && !progress.startsWith("Scanning: 0 ");
        },
        10000));
    d.CloseClick();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !d.Scanning(); }, 10000));
    afterCancel = d.Status->text();
    upAfterCancel =
        d.isVisible() && !d.Done() && d.ScanButton->isEnabled() && d.CloseButton->text() == "Close";
    d.ScanClick();  // and again, to the end
  });
  EXPECT_FALSE(busyPointer) << "the wait cursor outlived the opening";
  EXPECT_TRUE(progress.endsWith(" of 98 rows received.")) << progress.toStdString();
  EXPECT_EQ(afterCancel, "The scan was cancelled.");
  EXPECT_TRUE(upAfterCancel);
  ASSERT_TRUE(dib);
  EXPECT_EQ(DibToBitmap(*dib).Height(), 98);
}

TEST_F(SaneTestScanner, NoDeviceIsReportedWithTheManagersCodes) {
  Configure("", kColourScan);  // no backend: no device
  bool shown = false;
  EXPECT_FALSE(Acquire([&](TScanDialog&) { shown = true; }));
  EXPECT_FALSE(shown);
  ASSERT_EQ(reports_.size(), 1);
  EXPECT_EQ(reports_[0],
            "Unable to open default Data Source.\nSource Manager operation failed\n"
            "RC:   TWRC_FAILURE\nCC:   TWCC_NODS (No Data Source)");
  EXPECT_TRUE(caller_.isEnabled());
}

TEST(ScannerButton, TakesTheScannedPictureOrStaysOpenWithoutOne) {
  testing::DataFolder data;
  testing::RunningWindows running(data);
  TOpenForm& open = *running.windows->OpenForm;
  EXPECT_EQ(open.bTWAIN->Transparency(), 0);
  EXPECT_EQ(open.bTWAIN->toolTip(), "Scan from SANE device");
  const Bitmap earlier(4, 4, MakePixel(1, 2, 3));
  open.ResultPicture = earlier;
  auto& answers = running.recorded.scanner.answers;
  answers.emplace_back();  // the user closed the scanning dialog
  answers.push_back(PackedDib({true, 8, 2, 1, 6, 0, {200, 10, 20, 30, 40, 50}}));
  const int result = testing::ShowModalWhile<TOpenForm>(open, [&](TOpenForm& f) {
    QTest::mouseClick(f.bTWAIN, Qt::LeftButton);
    EXPECT_TRUE(f.InModal());
    EXPECT_EQ(f.ResultPicture, earlier);
    QTest::mouseClick(f.bTWAIN, Qt::LeftButton);
  });
  EXPECT_EQ(result, kModalOk);
  ASSERT_EQ(open.ResultPicture.Width(), 2);
  EXPECT_EQ(open.ResultPicture.At(0, 0) & 0xFFFFFF, MakePixel(200, 10, 20) & 0xFFFFFF);
  ASSERT_EQ(running.recorded.scanner.windows.size(), 2u);
  EXPECT_EQ(running.recorded.scanner.windows[0], &open);
}

}  // namespace
}  // namespace quillo
