#pragma once
// Deleters for FFmpeg's objects, for std::unique_ptr.
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/frame.h>
#include <libavutil/mem.h>
#include <libswscale/swscale.h>
}

namespace quillo::codecs {

struct FormatCloser {
  void operator()(AVFormatContext* c) const { avformat_close_input(&c); }
};
// A format context made for output, which is freed rather than closed.
struct FormatFreer {
  void operator()(AVFormatContext* c) const { avformat_free_context(c); }
};
// A custom I/O context with the buffer it owns.
struct IoFreer {
  void operator()(AVIOContext* io) const {
    av_freep(&io->buffer);
    avio_context_free(&io);
  }
};
struct CodecFreer {
  void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct FrameFreer {
  void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct PacketFreer {
  void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct ScalerFreer {
  void operator()(SwsContext* s) const { sws_freeContext(s); }
};
struct DictionaryFreer {
  void operator()(AVDictionary* d) const { av_dict_free(&d); }
};

}  // namespace quillo::codecs
