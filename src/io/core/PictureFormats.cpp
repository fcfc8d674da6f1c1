#include "PictureFormats.h"

#include <algorithm>
#include <cctype>

namespace quillo {

const std::vector<PictureFormat>& PictureFormats() {
  static const std::vector<PictureFormat> formats = {
      // The platform's own.
      {"bmp", "Bitmaps"},
      {"ico", "Icons"},
      {"wmf", "Metafiles"},
      {"emf", "Enhanced Metafiles"},
      // The image codec adapter's, in the order it registers them.
      {"pcx", "PCX image"},
      {"gif", "GIF image"},
      {"tga", "TARGA image"},
      {"png", "PNG image"},
      {"psd", "Photoshop image"},
      {"eps", "EPS image"},
      {"tif", "TIFF image"},
      {"jpg", "JPEG image"},
      {"cmp", "Lead image"},
      {"mac", "MAC image"},
      {"pct", "PCT image"},
      {"img", "IMG image"},
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
