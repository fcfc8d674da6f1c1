#include "PictureFile.h"

#include <string_view>

#include "PictureReaders.h"
#include "base/Error.h"
#include "base/FileBytes.h"
#include "core/PictureFormats.h"

namespace quillo {

namespace {

// The registered format of the name's extension; throws for any other.
const PictureFormat& FormatOf(const std::string& name) {
  const std::string_view extension = ExtensionOf(name);
  const PictureFormat* format = FindPictureFormat(extension);
  if (!format) {
    const std::string written = extension.empty() ? "" : "." + std::string(extension);
    throw Error("Unknown picture file extension (" + written + ")");
  }
  return *format;
}

}  // namespace

Bitmap LoadPictureBytes(std::span<const std::uint8_t> bytes, const std::string& name) {
  return DecodeByPictureReader(bytes, FormatOf(name), name);
}

Bitmap LoadPictureFile(const std::string& path) {
  FormatOf(path);  // an unknown extension is refused before the file is read
  return LoadPictureBytes(ReadFileBytes(path), path);
}

}  // namespace quillo
