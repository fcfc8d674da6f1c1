#include "PictureFormats.h"

#include <algorithm>
#include <cctype>

namespace quillo {

const std::vector<PictureFormat>& PictureFormats() {
  using enum PictureReader;
  static const std::vector<PictureFormat> formats = {
      // The platform's own.
      {"bmp", "Bitmaps", "image/bmp", Bitmap, "bmp"},
      {"ico", "Icons", "image/vnd.microsoft.icon", Toolkit, "ico"},
      {"wmf", "Metafiles", "image/wmf", Metafile, "WMF"},
      {"emf", "Enhanced Metafiles", "", Metafile, "EMF"},
      // The image codec adapter's, in the order it registers them.
      {"pcx", "PCX image", "image/vnd.zbrush.pcx", Magick, "PCX"},
      {"gif", "GIF image", "image/gif", Magick, "GIF"},
      {"tga", "TARGA image", "image/x-tga", Magick, "TGA"},
      {"png", "PNG image", "image/png", Magick, "PNG"},
      {"psd", "Photoshop image", "image/vnd.adobe.photoshop", Magick, "PSD"},
      {"eps", "EPS image", "image/x-eps", Eps, ""},
      {"tif", "TIFF image", "image/tiff", Magick, "TIFF"},
      {"jpg", "JPEG image", "image/jpeg", Magick, "JPEG"},
      {"cmp", "Lead image", "", None, ""},
      {"mac", "MAC image", "image/x-macpaint", MacPaint, ""},
      {"pct", "PCT image", "image/x-pict", Magick, "PICT"},
      {"img", "IMG image", "", GemImg, ""},
      // The formats of today's cameras and browsers, and the usual second
      // spellings of JPEG and TIFF, after the adapter's own.
      {"webp", "WebP image", "image/webp", Magick, "WEBP"},
      {"heic", "HEIF image", "image/heic", Magick, "HEIC"},
      {"heif", "HEIF image", "image/heif", Magick, "HEIC"},
      {"avif", "AVIF image", "image/avif", Magick, "AVIF"},
      {"jp2", "JPEG 2000 image", "image/jp2", Magick, "JP2"},
      {"jpeg", "JPEG image", "image/jpeg", Magick, "JPEG"},
      {"jpe", "JPEG image", "image/jpeg", Magick, "JPEG"},
      {"tiff", "TIFF image", "image/tiff", Magick, "TIFF"},
  };

  return formats;
}

std::string_view ExtensionOf(std::string_view name) {
  const std::size_t slash = name.find_last_of("/\\");
  const std::string_view file = slash == std::string_view::npos ? name : name.substr(slash + 1);
  const std::size_t dot = file.rfind('.');
  return dot == std::string_view::npos ? std::string_view() : file.substr(dot + 1);
}

std::string LowerExtensionOf(std::string_view name) {
  std::string extension(ExtensionOf(name));
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension;
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
