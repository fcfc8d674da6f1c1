// The bounding box is checked here, before the codec module and Ghostscript
// are started; the module draws the picture into a PPM file.
#include "EpsReader.h"

#include "base/Error.h"
#include "base/PictureRefusal.h"
#include "codecs/CodecModule.h"
#include "core/EpsBoundingBox.h"
#include "core/PpmReader.h"

namespace quillo {

namespace {

[[noreturn]] void Refuse(const std::string& name, std::string_view reason) {
  throw Error(PictureRefusal(name, reason));
}

}  // namespace

Bitmap ReadEps(std::span<const std::uint8_t> bytes, const std::string& name,
               std::chrono::milliseconds timeLimit) {
  const auto box = FindEpsBoundingBox(bytes);
  if (!box) Refuse(name, "the EPS file has no bounding box");
  const std::int64_t width = EpsPixelsAcross(*box), height = EpsPixelsDown(*box);
  if (width == 0 || height == 0) Refuse(name, "the EPS bounding box is empty");
  if (!IsAcceptableSize(width, height)) Refuse(name, kPictureTooLarge);
#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
  // Fuzzing stops here: Ghostscript runs in a child process of its own, which
  // costs a hundred times more than everything else a picture goes through.
  Refuse(name, "Ghostscript is not run in fuzzing builds");
#endif

  const auto boxInHeader = EpsWithBoxInHeader(bytes);
  const std::vector<std::uint8_t> drawn = codecs::Codecs().drawEps(
      boxInHeader ? std::span<const std::uint8_t>(*boxInHeader) : bytes, name, timeLimit);
  try {
    return DecodePpm(drawn);
  } catch (const Error&) {
    Refuse(name, "Ghostscript drew a picture that cannot be read");
  }
}

}  // namespace quillo
