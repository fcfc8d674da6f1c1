#include "PictureFormats.h"

#include <algorithm>
#include <cctype>

namespace quillo {

const std::vector<PictureFormat>& PictureFormats() {
  static const std::vector<PictureFormat> formats = {
      // The platform's own.
      {"bmp", "Bitmaps", "image/bmp"},
      {"ico", "Icons", "image/vnd.microsoft.icon"},
      {"wmf", "Metafiles", "image/wmf"},
      {"emf", "Enhanced Metafiles", ""},
      // The image codec adapter's, in the order it registers them.
      {"pcx", "PCX image", "image/vnd.zbrush.pcx"},
      {"gif", "GIF image", "image/gif"},
      {"tga", "TARGA image", "image/x-tga"},
      {"png", "PNG image", "image/png"},
      {"psd", "Photoshop image", "image/vnd.adobe.photoshop"},
      {"eps", "EPS image", "image/x-eps"},
      {"tif", "TIFF image", "image/tiff"},
      {"jpg", "JPEG image", "image/jpeg"},
      {"cmp", "Lead image", ""},
      {"mac", "MAC image", "image/x-macpaint"},
      {"pct", "PCT image", "image/x-pict"},
      {"img", "IMG image", ""},
      // The formats of today's cameras and browsers, and the usual second
      // spellings of JPEG and TIFF, after the adapter's own.
      {"webp", "WebP image", "image/webp"},
      {"heic", "HEIF image", "image/heic"},
      {"heif", "HEIF image", "image/heif"},
      {"avif", "AVIF image", "image/avif"},
      {"jp2", "JPEG 2000 image", "image/jp2"},
      {"jpeg", "JPEG image", "image/jpeg"},
      {"jpe", "JPEG image", "image/jpeg"},
      {"tiff", "TIFF image", "image/tiff"},
  };
  return formats;
}

const PictureFormat* FindPictureFormat(std::string_view extension) {
  const auto same = [extension](const PictureFormat& f) {
    return std::equal(
        f.extension.begin(), f.extension.end(), extension.begin(), extension.end(),
        [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
  };
  const auto& formats = PictureFormats();
  const auto it = std::find_if(formats.begin(), formats.end(), same);
  return it == formats.end() ? nullptr : &*it;
}

std::string PictureFileFilter() {
  std::string all = "All pictures (";
  std::string each;
  for (const PictureFormat& f : PictureFormats()) {
    const std::string pattern = "*." + std::string(f.extension);
    if (all.back() != '(') all += ' ';
    all += pattern;
    each += ";;" + std::string(f.description) + " (" + pattern + ")";
  }
  return all + ")" + each;
}

}  // namespace quillo
