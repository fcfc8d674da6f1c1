#pragma once
// The encoders found to work here, kept between runs: probing them all takes
// seconds, and the answer changes only with the FFmpeg build. One file for
// each container and frame size, under $XDG_CACHE_HOME/quillo (or
// ~/.cache/quillo), whose first lines name the build it was made with.
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quillo {

// An encoder's name and description.
using CachedEncoder = std::pair<std::string, std::string>;

// The cache file for a container ("avi") and a frame size; empty when
// neither XDG_CACHE_HOME nor HOME is set.
std::string EncoderCachePath(const std::string& container, int width, int height);

// The file's text: a first line of its own, the build (one line), then one
// "name<TAB>description" line for each encoder.
std::string FormatEncoderCache(const std::string& build,
                               const std::vector<CachedEncoder>& encoders);

// The encoders of a cache file's text, or nothing when it was made with
// another build, by another version of this format, or is damaged.
std::optional<std::vector<CachedEncoder>> ParseEncoderCache(const std::string& text,
                                                            const std::string& build);

}  // namespace quillo
