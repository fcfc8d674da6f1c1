// The registry: its order, its lookup by extension and the dialogs' filter.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "io/core/PictureFormats.h"

namespace quillo {
namespace {

TEST(PictureFormats, OrderLookupAndFilter) {
  std::vector<std::string> extensions;
  for (const PictureFormat& f : PictureFormats()) extensions.emplace_back(f.extension);
  EXPECT_EQ(extensions, (std::vector<std::string>{"bmp",  "ico",  "wmf", "emf",  "pcx",  "gif",
                                                  "tga",  "png",  "psd", "eps",  "tif",  "jpg",
                                                  "cmp",  "mac",  "pct", "img",  "webp", "heic",
                                                  "heif", "avif", "jp2", "jpeg", "jpe",  "tiff"}));

  // Every format names its reader, and those that share a library its coder.
  for (const PictureFormat& f : PictureFormats()) {
    EXPECT_EQ(f.reader == PictureReader::None, f.extension == "cmp") << f.extension;
    const bool named = f.reader == PictureReader::Magick || f.reader == PictureReader::Metafile ||
                       f.reader == PictureReader::Toolkit || f.reader == PictureReader::Bitmap;
    EXPECT_EQ(named, !f.coder.empty()) << f.extension;
  }

  ASSERT_NE(FindPictureFormat("JpG"), nullptr);
  EXPECT_EQ(FindPictureFormat("JpG")->description, "JPEG image");
  EXPECT_EQ(FindPictureFormat("tga")->description, "TARGA image");
  EXPECT_EQ(FindPictureFormat("JPEG")->description, "JPEG image");
  EXPECT_EQ(FindPictureFormat("tiff")->description, "TIFF image");
  for (const char* unknown : {"jfif", "tif2", ".png", "pn", "pngx", ""})
    EXPECT_EQ(FindPictureFormat(unknown), nullptr) << unknown;

  const std::string filter = PictureFileFilter();
  EXPECT_TRUE(filter.starts_with(
      "All pictures (*.bmp *.ico *.wmf *.emf *.pcx *.gif *.tga *.png *.psd *.eps *.tif *.jpg "
      "*.cmp *.mac *.pct *.img *.webp *.heic *.heif *.avif *.jp2 *.jpeg *.jpe *.tiff);;Bitmaps "
      "(*.bmp);;Icons (*.ico);;Metafiles (*.wmf);;"
      "Enhanced Metafiles (*.emf);;PCX image (*.pcx);;"))
      << filter;
  EXPECT_TRUE(filter.ends_with(";;JPEG image (*.jpeg);;JPEG image (*.jpe);;TIFF image (*.tiff)"))
      << filter;
}

}  // namespace
}  // namespace quillo
