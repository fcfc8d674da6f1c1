#include "VideoExport.h"

#include <sys/stat.h>
#include <unistd.h>

#include <optional>

#include "base/Error.h"
#include "core/VideoFrames.h"

namespace quillo {

void WriteEffectVideo(const std::string& path, int width, int height, const VideoCodec& codec,
                      const RenderVideoFrame& render) {
  // Renaming over a file needs only the folder's permission; a file the user
  // protected against writing is not replaced behind their back (not even
  // for the superuser, whom access() lets write anything).
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 &&
      (::access(path.c_str(), W_OK) != 0 || (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0))
    throw Error("Cannot replace the write-protected file " + path);
  VideoFileWriter writer(path, width, height, kVideoFramesPerSecond, codec);
  std::optional<Error> failure;
  RunVideoFrames([&](int position) {
    try {
      writer.AddFrame(render(position));
      return true;
    } catch (const Error& e) {
      if (!failure) failure = e;
      return false;
    }
  });
  if (failure) throw *failure;
  writer.Finish();
}

}  // namespace quillo
