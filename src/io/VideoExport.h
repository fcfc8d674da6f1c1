#pragma once
// Writing an effect's video: the 52 frames of RunVideoFrames, each rendered
// by the caller, compressed with the chosen codec into an AVI file at 15
// frames per second. The shared path of the save dialog and the command line.
#include <functional>
#include <string>

#include "VideoFileWriter.h"
#include "base/Bitmap.h"

namespace quillo {

// The picture for a position from 0 to 100; it keeps the size of the first.
using RenderVideoFrame = std::function<const Bitmap&(int position)>;

// Writes the video to `path`, replacing a file there only when the whole video
// has been written. Throws quillo::Error when the target is write-protected,
// the codec cannot take the frames, or writing fails; nothing on disk changes
// then.
void WriteEffectVideo(const std::string& path, int width, int height, const VideoCodec& codec,
                      const RenderVideoFrame& render);

}  // namespace quillo
