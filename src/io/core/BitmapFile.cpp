#include "BitmapFile.h"

#include "BmpCodec.h"
#include "base/Error.h"
#include "base/FileBytes.h"

namespace quillo {

BmpPicture LoadBmpPicture(const std::string& path) {
  const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
  try {
    return DecodeBmp(bytes);
  } catch (const Error&) {
    throw Error(std::string(kInvalidBitmap) + ": " + path);
  }
}

Bitmap LoadBitmapFile(const std::string& path) {
  return LoadBmpPicture(path).bitmap;
}

void SaveBitmapFile(const std::string& path, const Bitmap& bitmap, int bitsPerPixel) {
  WriteFileAtomically(path, EncodeBmp(bitmap, bitsPerPixel));
}

}  // namespace quillo
