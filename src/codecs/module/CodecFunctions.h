#pragma once
// The functions behind the codec module's table (Table.cpp), one file each
// for the library they use.
#include <chrono>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "codecs/CodecTable.h"

namespace quillo::codecs {

// FfmpegVideoReader.cpp
std::unique_ptr<VideoReading> OpenFfmpegVideo(const std::string& path);
std::string FfmpegErrorText(int code);

// FfmpegVideoWriter.cpp
std::unique_ptr<VideoWriting> CreateFfmpegVideo(const std::string& path, VideoContainer container,
                                                int width, int height, int framesPerSecond,
                                                const std::string& encoder, int qscale);

// FfmpegEncoders.cpp
std::vector<VideoEncoderFacts> VideoEncoders(VideoContainer container, int width, int height);
bool VideoEncoderUsable(VideoContainer container, const std::string& name, int width, int height);
std::string FfmpegVersions();

// FfmpegCapture.cpp
std::unique_ptr<CaptureReading> OpenFfmpegCapture(
    const std::string& format, const std::string& url,
    const std::vector<std::pair<std::string, std::string>>& options);

// MagickPictures.cpp
bool MagickCanRead(const std::string& coder);
Bitmap ReadWithMagick(std::span<const std::uint8_t> bytes, const std::string& coder,
                      const std::string& name);

// GhostscriptEps.cpp
std::vector<std::uint8_t> DrawEpsWithGhostscript(std::span<const std::uint8_t> bytes,
                                                 const std::string& name,
                                                 std::chrono::milliseconds timeLimit);

}  // namespace quillo::codecs
