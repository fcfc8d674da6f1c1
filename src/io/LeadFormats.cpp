#include "LeadFormats.h"

#include <algorithm>
#include <array>

#include "EpsReader.h"
#include "MagickReader.h"
#include "base/Error.h"
#include "core/MacPaint.h"

namespace quillo {

namespace {

struct MagickCoder {
  std::string_view extension;
  const char* coder;
};

// Each format's coder is named: TGA, PICT and others have no reliable magic
// number, and a named coder keeps ImageMagick from choosing one by the bytes.
constexpr std::array<MagickCoder, 8> kMagickCoders = {{{"pcx", "PCX"},
                                                       {"gif", "GIF"},
                                                       {"tga", "TGA"},
                                                       {"png", "PNG"},
                                                       {"psd", "PSD"},
                                                       {"tif", "TIFF"},
                                                       {"jpg", "JPEG"},
                                                       {"pct", "PICT"}}};

}  // namespace

bool IsLeadFormat(std::string_view extension) {
  return std::any_of(kMagickCoders.begin(), kMagickCoders.end(),
                     [extension](const MagickCoder& c) { return c.extension == extension; }) ||
         extension == "eps" || extension == "mac" || extension == "cmp" || extension == "img";
}

Bitmap DecodeLeadPicture(std::span<const std::uint8_t> bytes, std::string_view extension,
                         const std::string& name) {
  for (const MagickCoder& c : kMagickCoders)
    if (c.extension == extension) return ReadWithMagick(bytes, c.coder, name);
  if (extension == "eps") return ReadEps(bytes, name);
  if (extension == "mac") {
    // ImageMagick's MacPaint reader assumes a MacBinary header and ignores a
    // file cut short, so ours reads these.
    try {
      return DecodeMacPaint(bytes);
    } catch (const Error& e) {
      throw Error(std::string(e.what()) + ": " + name);
    }
  }
  if (extension == "cmp")
    throw Error(
        "LEAD CMP pictures (.cmp) are not supported: no library on this system reads that "
        "format.");
  if (extension == "img") throw Error("GEM IMG pictures cannot be read yet.");
  throw Error("Unknown picture file extension (." + std::string(extension) + ")");
}

}  // namespace quillo
