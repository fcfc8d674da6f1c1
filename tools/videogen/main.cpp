// The video generator: renders the intro videos of the four modes into
// <data>/Resource/, from the faces and the start-up morph already there.
// Usage: videogen <data folder>
#include <cstdio>
#include <exception>
#include <string>

#include "Intros.h"
#include "Video.h"
#include "effects/core/MorphFile.h"
#include "io/VideoFileWriter.h"
#include "io/core/BitmapFile.h"
#include "io/core/DataFiles.h"

namespace {

using namespace quillo;

// Motion JPEG at a fine quantiser: the faces stay clean.
constexpr int kQuality = 3;

void Write(const std::string& data, int video, const videogen::Frames& frames) {
  VideoFileWriter writer(GeneratedFilePath(data, VideoFile(video)), videogen::kVideoSide,
                         videogen::kVideoSide, videogen::kFramesPerSecond,
                         {.encoder = "mjpeg", .qscale = kQuality});
  for (const Bitmap& frame : frames) writer.AddFrame(frame);
  writer.Finish();
}

void WriteIntros(const std::string& data) {
  const auto input = [&](std::string_view name) { return GeneratedFilePath(data, name); };
  const Bitmap face = LoadBitmapFile(input(kDefaultFaceFile));
  Write(data, 1, videogen::WarpingIntro(face));
  Write(data, 2, videogen::MorphingIntro(ReadMorphFile(input(kStartMorphFile))));
  Write(data, 3, videogen::MirrorsIntro(face));
  Write(data, 4,
        videogen::BlendingIntro(LoadBitmapFile(input(kWhiteFaceFile)),
                                LoadBitmapFile(input(kBlackFaceFile))));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: videogen <data folder>\n");
    return 2;
  }
  try {
    WriteIntros(argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "videogen: %s\n", e.what());
    return 1;
  }
  return 0;
}
