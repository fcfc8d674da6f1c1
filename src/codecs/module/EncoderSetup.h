#pragma once
// How an encoder is set up for frames of a size: the same for the video
// writer and for the probe of which encoders open on this machine.
extern "C" {
#include <libavcodec/avcodec.h>
}

namespace quillo::codecs {

// Size and rate; the encoder's pixel format (4:2:0, full range where it takes
// that, as Motion JPEG's yuvj420p, else its first format) with its colour
// range; output that depends on nothing but the frames.
void SetUpEncoder(AVCodecContext& context, const AVCodec& encoder, int width, int height,
                  int framesPerSecond);

}  // namespace quillo::codecs
