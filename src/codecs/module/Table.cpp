// The codec module's one exported symbol: the table the program looks up
// after loading the module (codecs/CodecModule.cpp).
#include "CodecFunctions.h"

extern "C" const void* quillo_codecs_table() {
  using namespace quillo::codecs;
  static const CodecTable table{
      .version = kCodecTableVersion,
      .openVideo = OpenFfmpegVideo,
      .createVideo = CreateFfmpegVideo,
      .videoEncoders = VideoEncoders,
      .videoEncoderUsable = VideoEncoderUsable,
      .magickCanRead = MagickCanRead,
      .readWithMagick = ReadWithMagick,
      .drawEps = DrawEpsWithGhostscript,
      .openCapture = OpenFfmpegCapture,
      .ffmpegVersions = FfmpegVersions,
  };
  return &table;
}
