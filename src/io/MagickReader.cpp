// The decoding itself lives in the codec module, loaded on the first picture
// that needs it.
#include "MagickReader.h"

#include "codecs/CodecModule.h"

namespace quillo {

bool MagickCanRead(const std::string& coder) {
  return codecs::Codecs().magickCanRead(coder);
}

Bitmap ReadWithMagick(std::span<const std::uint8_t> bytes, const std::string& coder,
                      const std::string& name) {
  return codecs::Codecs().readWithMagick(bytes, coder, name);
}

}  // namespace quillo
