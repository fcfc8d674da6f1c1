// The morph file reader on arbitrary bytes. Beyond not crashing: a file that
// is accepted saves and reads back unchanged, and the engine renders it.
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "base/Error.h"
#include "effects/core/MorphEngine.h"
#include "effects/core/MorphFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillo;
  std::unique_ptr<MorphModel> morph;
  try {
    morph = std::make_unique<MorphModel>(ParseMorphFile({data, size}));
  } catch (const Error&) {
    return 0;
  }
  const std::vector<std::uint8_t> saved = EncodeMorphFile(*morph);
  if (EncodeMorphFile(ParseMorphFile(saved)) != saved) std::abort();
  ComputeFrame(*morph, 1 + static_cast<int>(size % 99), 100);
  return 0;
}
