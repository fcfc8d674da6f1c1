// The clipboard service over the toolkit's clipboard: what goes on it, what
// comes off it, and what it refuses.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

#include "base/Error.h"
#include "io/Clipboard.h"
#include "support/TestFolder.h"

namespace quillo {
namespace {

class ToolkitClipboard : public ::testing::Test {
 protected:
  void TearDown() override { system_.clear(); }

  QClipboard& system_ = *QGuiApplication::clipboard();
  QtClipboard clipboard_;
};

TEST_F(ToolkitClipboard, APictureGoesOnAs24BitsInPlaceOfTheWordsAndComesBack) {
  system_.setText("the user's words");
  Bitmap face = testing::TestFace(31, 17);
  face.At(3, 4) = MakePixel(1, 2, 3, 0x80);  // a fourth byte that must not show
  clipboard_.SetPicture(face);
  const QImage placed = system_.image();
  EXPECT_EQ(placed.format(), QImage::Format_RGB888);
  ASSERT_EQ(placed.size(), QSize(31, 17));
  EXPECT_EQ(placed.pixel(3, 4), qRgb(1, 2, 3));
  EXPECT_EQ(placed.pixel(30, 16), 0xFF000000u | ColourBits(face.At(30, 16)));
  EXPECT_TRUE(system_.text().isEmpty());

  EXPECT_TRUE(clipboard_.HasPicture());
  const std::optional<Bitmap> back = clipboard_.Picture();
  ASSERT_TRUE(back.has_value());
  ASSERT_EQ(back->Width(), 31);
  for (int y = 0; y < 17; ++y)
    for (int x = 0; x < 31; ++x) ASSERT_EQ(back->At(x, y), ColourBits(face.At(x, y))) << x << y;
}

TEST_F(ToolkitClipboard, WordsAreNoPictureAndAnOversizedPictureIsRefused) {
  system_.setText("only words");
  EXPECT_FALSE(clipboard_.HasPicture());
  EXPECT_FALSE(clipboard_.Picture().has_value());
  system_.clear();
  EXPECT_FALSE(clipboard_.Picture().has_value());

  QImage wide(kMaxPictureSide + 1, 1, QImage::Format_RGB32);
  wide.fill(Qt::red);
  system_.setImage(wide);
  EXPECT_TRUE(clipboard_.HasPicture());
  try {
    clipboard_.Picture();
    ADD_FAILURE() << "an oversized picture was taken";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "The picture on the clipboard is too large");
  }
}

TEST(UnavailableClipboard, HoldsNothingAndTakesNothing) {
  UnavailableClipboard clipboard(kServiceTurnedOff);
  clipboard.SetPicture(Bitmap(2, 2));
  EXPECT_FALSE(clipboard.HasPicture());
  EXPECT_FALSE(clipboard.Picture().has_value());
  EXPECT_EQ(clipboard.WhyUnavailable(), kServiceTurnedOff);
}

}  // namespace
}  // namespace quillo
