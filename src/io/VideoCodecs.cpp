#include "VideoCodecs.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <string_view>

#include "base/Error.h"
#include "base/FileBytes.h"
#include "codecs/CodecModule.h"
#include "core/EncoderCache.h"

namespace quillo {

namespace {

// The encoders whose quality a fixed quantiser scale sets.
constexpr std::array<std::string_view, 11> kQuantiserEncoders = {
    "mjpeg", "mpeg4", "msmpeg4", "msmpeg4v2",  "wmv1",      "wmv2",
    "h263",  "h263p", "flv",     "mpeg1video", "mpeg2video"};

constexpr std::uint64_t kMaxCacheBytes = 256 * 1024;

// The cached answer for this build, or nothing.
std::optional<std::vector<CachedEncoder>> ReadCache(const std::string& path,
                                                    const std::string& build) {
  if (path.empty()) return std::nullopt;
  try {
    const std::vector<std::uint8_t> bytes = ReadFileBytes(path, kMaxCacheBytes);
    return ParseEncoderCache(std::string(bytes.begin(), bytes.end()), build);
  } catch (const Error&) {
    return std::nullopt;  // none yet, or unreadable: probed again
  }
}

// Keeps the answer for the next run; a cache that cannot be written costs
// only the next run's wait.
void WriteCache(const std::string& path, const std::string& build,
                const std::vector<CachedEncoder>& encoders) {
  if (path.empty()) return;
  try {
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    const std::string text = FormatEncoderCache(build, encoders);
    WriteFileAtomically(path, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
  } catch (const Error&) {
  }
}

}  // namespace

bool TakesQuantiser(const std::string& encoder) {
  return std::find(kQuantiserEncoders.begin(), kQuantiserEncoders.end(), encoder) !=
         kQuantiserEncoders.end();
}

std::vector<VideoCodecInfo> UsableVideoCodecs(VideoContainer container, int width, int height) {
  const codecs::CodecTable& table = codecs::Codecs();
  const std::string build = table.ffmpegVersions();
  const std::string cache = EncoderCachePath(codecs::ContainerName(container), width, height);
  std::optional<std::vector<CachedEncoder>> encoders = ReadCache(cache, build);
  if (!encoders) {
    encoders.emplace();
    for (const codecs::VideoEncoderFacts& e : table.videoEncoders(container, width, height))
      encoders->emplace_back(e.name, e.description);
    WriteCache(cache, build, *encoders);
  }
  std::vector<VideoCodecInfo> usable;
  for (const auto& [name, description] : *encoders)
    usable.push_back({name, description, TakesQuantiser(name)});
  return usable;
}

bool VideoCodecUsable(VideoContainer container, const VideoCodec& codec, int width, int height) {
  const std::string encoder = codec.encoder.empty() ? DefaultEncoder(container) : codec.encoder;
  return codecs::Codecs().videoEncoderUsable(container, encoder, width, height);
}

}  // namespace quillo
