// `quillo mirror`: a face through one of the four mirrors, as the mirror
// window shows it, written as the 320 x 320 frame the save dialog writes.
#include <QTextStream>
#include <cstdio>
#include <memory>

#include "Commands.h"
#include "VideoOutput.h"
#include "app/core/Arguments.h"
#include "base/Error.h"
#include "effects/core/FullSizeRender.h"
#include "effects/core/WarpModel.h"
#include "io/PictureFile.h"

namespace quillo {

namespace {

int KindOf(const std::string& name) {
  if (name == "horizontal") return Horizontal;
  if (name == "vertical") return Vertical;
  if (name == "radial") return Radial;
  if (name == "squeeze") return Squeeze;
  throw Error("unknown mirror kind \"" + name + "\" (horizontal, vertical, radial or squeeze)");
}

}  // namespace

int RunMirrorCommand(const QStringList& args) {
  try {
    std::vector<std::string> words;
    for (const QString& a : args) words.push_back(a.toStdString());
    std::set<std::string> options{"kind", "strength", "center", "quality"};
    options.insert(kVideoOptions.begin(), kVideoOptions.end());
    const Arguments parsed = ParseArguments(words, options, {"full-resolution"});
    if (ListCodecsIfAsked(parsed, kFaceSize, kFaceSize)) return 0;
    const std::optional<VideoRequest> video = VideoRequestOf(parsed, kFaceSize, kFaceSize);
    CheckOutputs(parsed, video.has_value(), "mirror");
    const auto kind = parsed.Option("kind");
    if (!kind) throw Error("mirror needs --kind");

    WarpModel model;
    model.SetMode(KindOf(*kind));
    double strength = 0.5;
    if (const auto s = parsed.Option("strength")) strength = ParseNumber(*s, "strength");
    if (!(strength >= -1.0 && strength <= 1.0)) throw Error("strength must lie between -1 and 1");
    model.SetCenter(160, 160);
    if (const auto c = parsed.Option("center")) {
      const auto comma = c->find(',');
      if (comma == std::string::npos) throw Error("malformed centre \"" + *c + "\" (X,Y)");
      const int x = ParseInteger(c->substr(0, comma), "centre");
      const int y = ParseInteger(c->substr(comma + 1), "centre");
      model.SetCenter(x, y);
      constexpr int kFar = 100000;  // keeps the squared distances within range
      if (std::abs(model.CenterX()) > kFar || std::abs(model.CenterY()) > kFar)
        throw Error("centre out of range");
    }
    const std::string quality = parsed.Option("quality").value_or("bilinear");
    if (quality != "bilinear" && quality != "nearest")
      throw Error("unknown quality \"" + quality + "\" (bilinear or nearest)");
    model.SetSmooth(quality == "bilinear");

    const auto photo = std::make_shared<const Bitmap>(LoadPictureFile(parsed.positional[0]));
    model.SetFacePicture(photo);
    std::optional<PictureOutput> picture;
    if (parsed.positional.size() == 2) {
      if (parsed.flags.count("full-resolution")) {
        picture.emplace(parsed.positional[1], RenderFullSize(model, *photo, 0.0, strength));
      } else {
        model.RenderDistorted({0, 0, kFaceSize, kFaceSize}, 0.0, strength, 0, 0);
        picture.emplace(parsed.positional[1], model.ViewBitmap());
      }
    }
    if (video) {
      // The mirror growing from none to full strength and back.
      WriteEffectVideo(video->path, kFaceSize, kFaceSize, video->codec,
                       [&](int position) -> const Bitmap& {
                         model.RenderDistorted({0, 0, kFaceSize, kFaceSize}, 0.0,
                                               strength * (position * 0.01), 0, 0);
                         return model.ViewBitmap();
                       });
    }
    if (picture) picture->Commit();
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "quillo mirror: %s\n", e.what());
    return kExitBadInput;
  }
}

}  // namespace quillo
