// The picture loader on arbitrary bytes under every registered extension: the
// first byte chooses the format (its low seven bits, modulo the number of
// formats) and the letter case of the name (its top bit); the rest is the
// file. Beyond not crashing: a refusal is one line that names the file, or a
// sentence that does not depend on the bytes at all (a format nothing here
// reads); what our BMP reader accepts is what the loader returns for a
// bitmap; every other picture has an acceptable size and a fourth byte of 0.
#include <QCoreApplication>
#include <QLoggingCategory>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/Bitmap.h"
#include "base/Error.h"
#include "io/PictureFile.h"
#include "io/core/BmpCodec.h"
#include "io/core/PictureFormats.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The toolkit's image readers need an application object; it lives until exit.
  static int argc = 1;
  static char program[] = "picture_fuzzer";
  static char* argv[] = {program, nullptr};
  static QCoreApplication application(argc, argv);
  // One thread per decode: ImageMagick's worker threads only add start-up
  // costs to inputs this small.
  setenv("MAGICK_THREAD_LIMIT", "1", 0);
  // Readers' complaints about damaged input would drown the fuzzer's output;
  // several plugins and QBuffer warn through the default category.
  QLoggingCategory::setFilterRules("qt.gui.imageio*=false\ndefault.warning=false");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillo;
  if (size == 0) return 0;
  const auto& formats = PictureFormats();
  const std::string_view extension = formats[(data[0] & 0x7F) % formats.size()].extension;
  std::string name = "input.";
  for (const char c : extension)
    name += data[0] & 0x80 ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
  const std::span<const std::uint8_t> bytes(data + 1, size - 1);

  std::optional<Bitmap> ours;
  if (extension == "bmp") {
    try {
      ours = DecodeBmp(bytes).bitmap;
    } catch (const Error&) {
    }
  }
  Bitmap bitmap;
  try {
    bitmap = LoadPictureBytes(bytes, name);
  } catch (const Error& e) {
    const std::string_view message = e.what();
    if (ours || message.empty() || message.find('\n') != std::string_view::npos) std::abort();
    if (message.find(name) == std::string_view::npos) {
      try {
        LoadPictureBytes({}, name);
        std::abort();
      } catch (const Error& without) {
        if (message != without.what()) std::abort();
      }
    }
    return 0;
  }
  if (ours) {
    if (bitmap != *ours) std::abort();
    return 0;
  }
  if (bitmap.Empty() || !IsAcceptableSize(bitmap.Width(), bitmap.Height())) std::abort();
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (Fourth(bitmap.At(x, y)) != 0) std::abort();
  return 0;
}
