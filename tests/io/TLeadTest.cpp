// The image codec adapter: what it does to its picture, to files and, through
// the toolkit's clipboard service, to the clipboard the user shares with
// other programs.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "base/Error.h"
#include "base/FileBytes.h"
#include "io/Clipboard.h"
#include "io/TLead.h"
#include "io/core/BmpCodec.h"
#include "support/TestFolder.h"

namespace quillo {
namespace {

TEST(TLead, AssigningABitmapLeavesTheClipboardAlone) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  QtClipboard service;
  clipboard->setText("the user's words");
  const Bitmap face = testing::TestFace(30, 20);
  TLead lead;
  lead.Assign(face);
  EXPECT_EQ(lead.Picture(), face);
  EXPECT_EQ(clipboard->text(), "the user's words");

  TLead copy;
  copy.Assign(&lead);
  EXPECT_EQ(copy.Picture(), face);
  copy.Assign(nullptr);
  EXPECT_TRUE(copy.Empty());
  EXPECT_THROW(copy.SaveToClipboard(service), Error);

  // Copying to the clipboard and pasting back gives the same picture.
  lead.SaveToClipboard(service);
  copy.LoadFromClipboard(service);
  EXPECT_EQ(copy.Picture(), face);
  clipboard->setText("no picture");
  EXPECT_THROW(copy.LoadFromClipboard(service), Error);
  EXPECT_EQ(copy.Picture(), face);
}

TEST(TLead, ResizingStretchesOneSideAndDrawingStretchesToTheRectangle) {
  Bitmap halves(20, 10, MakePixel(200, 0, 0));
  halves.FillRect({10, 0, 20, 10}, MakePixel(0, 0, 200));
  TLead lead;
  lead.Assign(halves);
  lead.SetWidth(60);
  EXPECT_EQ(lead.Width(), 60);
  EXPECT_EQ(lead.Height(), 10);
  EXPECT_EQ(lead.Picture().At(5, 5), MakePixel(200, 0, 0));
  EXPECT_EQ(lead.Picture().At(55, 5), MakePixel(0, 0, 200));
  lead.SetHeight(4);
  EXPECT_EQ(lead.Width(), 60);
  EXPECT_EQ(lead.Height(), 4);
  EXPECT_THROW(lead.SetWidth(-1), Error);
  EXPECT_THROW(lead.SetHeight(kMaxPictureSide + 1), Error);
  EXPECT_EQ(lead.Height(), 4);

  QImage canvas(100, 50, QImage::Format_RGB32);
  canvas.fill(Qt::white);
  QPainter painter(&canvas);
  lead.Draw(painter, QRect(10, 10, 80, 30));
  painter.end();
  EXPECT_EQ(canvas.pixel(5, 5), qRgb(255, 255, 255));
  EXPECT_EQ(canvas.pixel(15, 25), qRgb(200, 0, 0));
  EXPECT_EQ(canvas.pixel(85, 25), qRgb(0, 0, 200));
}

TEST(TLead, SavesA24BitBitmapAndLoadsFilesOrSaysWhyNot) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("saved.bmp").toStdString();
  TLead lead;
  EXPECT_THROW(lead.SaveToFile(path), Error);  // nothing to save
  lead.Assign(testing::TestFace(30, 20));
  lead.SaveToFile(path);
  const BmpPicture saved = DecodeBmp(ReadFileBytes(path));
  EXPECT_EQ(saved.bitsPerPixel, 24);
  EXPECT_EQ(saved.bitmap, lead.Picture());

  TLead loaded;
  loaded.LoadFromFile(path);
  EXPECT_EQ(loaded.Picture(), lead.Picture());
  EXPECT_THROW(loaded.LoadFromFile(dir.filePath("missing.png").toStdString()), Error);
  EXPECT_EQ(loaded.Picture(), lead.Picture());

  Bitmap bitmap(3, 3);
  EXPECT_EQ(TLead::LoadAnyImage(bitmap, path), TLead::kLoaded);
  EXPECT_EQ(bitmap, lead.Picture());
  EXPECT_EQ(TLead::LoadAnyImage(bitmap, path + ".txt"), TLead::kLoadFailed);
  EXPECT_EQ(bitmap, lead.Picture());
}

}  // namespace
}  // namespace quillo
