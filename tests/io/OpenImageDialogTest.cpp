// The picture open dialog's preview: what each kind of selection shows, where
// the panel sits among the toolkit's controls, and the hints it leaves.
#include <gtest/gtest.h>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QSizeGrip>
#include <QTemporaryDir>

#include "io/TOpenImageDialog.h"
#include "skin/BitmapImage.h"
#include "skin/TPaintBox.h"
#include "support/TestFolder.h"

namespace quillo {
namespace {

class OpenImageDialog : public ::testing::Test {
 protected:
  QString Write(const QString& name, const QByteArray& bytes) {
    QFile file(dir_.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
  }
  QString WritePicture(const QString& name, const QImage& image) {
    const QString path = dir_.filePath(name);
    EXPECT_TRUE(image.save(path));
    return path;
  }
  // Selects a real picture first, so that every case must clear it.
  void SelectThenExpectNothing(const QString& path) {
    dialog_.SelectionChange(picture_);
    ASSERT_FALSE(dialog_.PreviewPicture.Empty());
    dialog_.SelectionChange(path);
    EXPECT_TRUE(dialog_.PreviewPicture.Empty()) << path.toStdString();
    EXPECT_EQ(dialog_.PictureLabel->text(), "") << path.toStdString();
  }

  QTemporaryDir dir_;
  QString picture_ = WritePicture("face.png", ToImage(testing::TestFace(640, 480)));
  TOpenImageDialog dialog_;
};

TEST_F(OpenImageDialog, APictureShowsItsSizeAndNothingElseShowsAnything) {
  dialog_.SelectionChange(picture_);
  EXPECT_EQ(dialog_.PictureLabel->text(), "(640,480)");
  EXPECT_EQ(dialog_.PreviewPicture.At(5, 7), testing::TestFace(640, 480).At(5, 7));

  SelectThenExpectNothing(dir_.path());  // a folder
  ASSERT_TRUE(QFile::copy(picture_, dir_.filePath("face.xyz")));
  SelectThenExpectNothing(dir_.filePath("face.xyz"));                    // unknown extension
  SelectThenExpectNothing(Write("damaged.png", "\x89PNG\r\n\x1a\n.."));  // damaged
  SelectThenExpectNothing(dir_.filePath("gone.png"));                    // not there
  SelectThenExpectNothing(QString());                                    // nothing
}

TEST_F(OpenImageDialog, ThePreviewIsCentredAndShrunkToTheBox) {
  ASSERT_EQ(dialog_.PaintBox->size(), QSize(151, 139));
  QImage wide(604, 302, QImage::Format_RGB32);
  wide.fill(QColor(250, 0, 0));
  dialog_.SelectionChange(WritePicture("wide.png", wide));
  EXPECT_EQ(dialog_.PictureLabel->text(), "(604,302)");
  // Drawn as 151 x 75 at (0, 32): red from row 32 to 106, nothing above or below.
  const QImage shown = dialog_.PaintBox->grab().toImage();
  EXPECT_EQ(shown.pixelColor(75, 33), QColor(250, 0, 0));
  EXPECT_EQ(shown.pixelColor(75, 105), QColor(250, 0, 0));
  EXPECT_NE(shown.pixelColor(75, 30), QColor(250, 0, 0));
  EXPECT_NE(shown.pixelColor(75, 108), QColor(250, 0, 0));
}

TEST_F(OpenImageDialog, ThePanelStandsRightOfTheControlsStartsEmptyAndHintsGoWithTheDialog) {
  dialog_.SelectionChange(picture_);
  dialog_.show();
  QCoreApplication::processEvents();
  EXPECT_TRUE(dialog_.PreviewPicture.Empty());
  EXPECT_EQ(dialog_.PictureLabel->text(), "");
  EXPECT_TRUE(dialog_.testOption(QFileDialog::DontUseNativeDialog));
  const QRect panel = dialog_.PicturePanel->geometry();
  EXPECT_TRUE(dialog_.PicturePanel->isVisible());
  for (const QWidget* w : dialog_.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    // The size grip sits in the window's corner, over whatever lies there.
    if (w == dialog_.PicturePanel || !w->isVisible() || qobject_cast<const QSizeGrip*>(w)) continue;
    EXPECT_LE(w->geometry().right(), panel.left()) << w->objectName().toStdString();
  }

  QLabel hint("A hint", nullptr, Qt::ToolTip);
  hint.show();
  dialog_.hide();
  EXPECT_FALSE(hint.isVisible());
}

}  // namespace
}  // namespace quillo
