#include "PictureFile.h"

#include <string_view>

#include "PictureReaders.h"
#include "base/Error.h"
#include "base/FileBytes.h"
#include "core/PictureFormats.h"

namespace quillo {

namespace {

// The extension of a file name as written, without the dot; empty when the
// last path component has none.
std::string_view ExtensionOf(std::string_view name) {
  const std::size_t slash = name.find_last_of("/\\");
  const std::string_view file = slash == std::string_view::npos ? name : name.substr(slash + 1);
  const std::size_t dot = file.rfind('.');
  return dot == std::string_view::npos ? std::string_view() : file.substr(dot + 1);
}

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
