#pragma once
// How an encoder is set up for frames of a size in a container: the same for
// the video writer and for the probe of which encoders open on this machine.
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include "codecs/CodecTable.h"

namespace quillo::codecs {

// FFmpeg's muxer for the container (named as the container, ContainerName).
const AVOutputFormat* Muxer(VideoContainer container);

// True when the encoder loses nothing of what it is given (FFV1, Huffyuv,
// Ut Video, raw frames): it is then given RGB frames where it takes them.
bool IsLossless(const AVCodec& encoder);

// Size and rate; the pixel format: the GIF encoder's palette, an RGB format
// for a lossless encoder that offers one, else 4:2:0 (full range where the
// encoder takes that in an AVI, as Motion JPEG's yuvj420p; limited range
// elsewhere, which every browser and phone plays), else RGB, else the
// encoder's first format; output that depends on nothing but the frames. In an AVI every
// frame is a key frame, so that a player can show any of them at once;
// elsewhere one every two seconds keeps the file small.
void SetUpEncoder(AVCodecContext& context, const AVCodec& encoder, VideoContainer container,
                  int width, int height, int framesPerSecond);

}  // namespace quillo::codecs
