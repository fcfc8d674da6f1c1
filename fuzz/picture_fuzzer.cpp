// The picture loader on arbitrary bytes: BMP by our reader, everything else by
// the toolkit's readers. Beyond not crashing: a refusal names the file, what
// our reader accepts is what the loader returns, and a picture from the
// toolkit has an acceptable size and a fourth byte of 0 in every pixel.
#include <QCoreApplication>
#include <QLoggingCategory>
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

namespace {

constexpr std::string_view kName = "input.picture";

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The toolkit's image readers need an application object; it lives until exit.
  static int argc = 1;
  static char program[] = "picture_fuzzer";
  static char* argv[] = {program, nullptr};
  static QCoreApplication application(argc, argv);
  // Readers' complaints about damaged input would drown the fuzzer's output;
  // several plugins and QBuffer warn through the default category.
  QLoggingCategory::setFilterRules("qt.gui.imageio*=false\ndefault.warning=false");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillo;
  const std::span<const std::uint8_t> bytes(data, size);
  std::optional<Bitmap> ours;
  try {
    ours = DecodeBmp(bytes).bitmap;
  } catch (const Error&) {
  }
  Bitmap bitmap;
  try {
    bitmap = DecodePicture(bytes, std::string(kName));
  } catch (const Error& e) {
    if (ours || !std::string_view(e.what()).ends_with(": " + std::string(kName))) std::abort();
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
