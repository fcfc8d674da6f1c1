// `quillo warp`: a face smeared by mouse strokes, as the mirror window's
// wet-paint brush leaves it, written as the 320 x 320 frame the save dialog
// writes.
#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "Commands.h"
#include "VideoOutput.h"
#include "app/core/Arguments.h"
#include "base/Error.h"
#include "effects/core/FullSizeRender.h"
#include "effects/core/WarpModel.h"
#include "io/PictureFile.h"

namespace quillo {

namespace {

struct Point {
  int x = 0;
  int y = 0;
};

// The press, then one point for each move; the release follows the last.
using Stroke = std::vector<Point>;

// Beyond this a point means nothing more than "far outside the window", and
// the brush's arithmetic stays well inside int.
constexpr int kFar = 100000;
constexpr int kRightSliderAtRest = 10;

// One coordinate: an optional sign and digits, nothing else. Nullopt when
// the text is not of that form; values beyond kFar come back as kFar + 1.
std::optional<int> ParseCoordinate(const std::string& text) {
  std::size_t i = text.empty() || (text[0] != '+' && text[0] != '-') ? 0 : 1;
  if (i == text.size()) return std::nullopt;
  long long value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = std::min<long long>(value * 10 + (text[i] - '0'), kFar + 1);
  }
  return static_cast<int>(text[0] == '-' ? -value : value);
}

// "X,Y", or nullopt when the word is not of that form. Throws for a point
// too far away.
std::optional<Point> ParsePoint(const std::string& word) {
  const auto comma = word.find(',');
  if (comma == std::string::npos) return std::nullopt;
  const auto x = ParseCoordinate(word.substr(0, comma));
  const auto y = ParseCoordinate(word.substr(comma + 1));
  if (!x || !y) return std::nullopt;
  if (std::abs(*x) > kFar || std::abs(*y) > kFar)
    throw Error("point " + word + " lies too far outside the picture (100000 at most)");
  return Point{*x, *y};
}

// A word that was meant as a point but is not one ("1,2,3", "a,b", "1;2",
// "12"), as opposed to a file name or an option. (A file of such a name is
// still reachable after "--".)
bool LooksLikePoint(const std::string& word) {
  if (word.empty() || word.starts_with("--")) return false;
  const bool separated = word.find_first_of(",;") != std::string::npos &&
                         word.find_first_of("./\\") == std::string::npos;
  const bool number = word.find_first_not_of("+-0123456789") == std::string::npos &&
                      word.find_first_of("0123456789") != std::string::npos;
  return separated || number;
}

[[noreturn]] void MalformedPoint(const std::string& word) {
  throw Error("malformed point \"" + word + "\" (X,Y, whole numbers)");
}

struct WarpArguments {
  std::vector<Stroke> strokes;
  Arguments rest;  // options and positional words other than the strokes
};

// Takes the strokes out of the words; the rest goes to the common parser.
WarpArguments ParseWarpArguments(const std::vector<std::string>& words) {
  static const std::set<std::string> kValueOptions{"radius", "scale", "quality", "video", "codec"};
  WarpArguments out;
  std::vector<std::string> rest;
  std::size_t i = 0;
  while (i < words.size()) {
    const std::string& word = words[i];
    if (word == "--") break;  // the rest are positional words
    if (word != "--stroke" && !word.starts_with("--stroke=")) {
      rest.push_back(word);
      ++i;
      // An option's value is never taken for a stroke.
      const bool takesValue = word.starts_with("--") && word.find('=') == std::string::npos &&
                              kValueOptions.count(word.substr(2));
      if (takesValue && i < words.size()) rest.push_back(words[i++]);
      continue;
    }
    ++i;
    Stroke stroke;
    if (word != "--stroke") {
      const std::string first = word.substr(std::string("--stroke=").size());
      if (first.empty()) throw Error("--stroke needs at least one point X,Y");
      const auto p = ParsePoint(first);
      if (!p) MalformedPoint(first);
      stroke.push_back(*p);
    }
    for (; i < words.size(); ++i) {
      const auto p = ParsePoint(words[i]);
      if (!p) break;
      stroke.push_back(*p);
    }
    if (i < words.size() && LooksLikePoint(words[i])) MalformedPoint(words[i]);
    if (stroke.empty()) throw Error("--stroke needs at least one point X,Y");
    out.strokes.push_back(std::move(stroke));
  }
  rest.insert(rest.end(), words.begin() + static_cast<std::ptrdiff_t>(i), words.end());
  out.rest = ParseArguments(rest, kValueOptions, {"full-resolution"});
  return out;
}

// Each stroke as the window receives it: press, moves, release.
void ApplyStroke(WarpModel& model, const Stroke& stroke) {
  model.BeginPress(stroke.front().x, stroke.front().y, kRightSliderAtRest);
  model.StartDrag();
  for (std::size_t i = 1; i < stroke.size(); ++i) model.DragStep(stroke[i].x, stroke[i].y);
  model.EndDrag();
}

}  // namespace

int RunWarpCommand(const QStringList& args) {
  try {
    std::vector<std::string> words;
    for (const QString& a : args) words.push_back(a.toStdString());
    const WarpArguments parsed = ParseWarpArguments(words);
    int radius = 45;
    if (const auto r = parsed.rest.Option("radius")) radius = ParseInteger(*r, "radius");
    if (radius < 1 || radius > kFaceSize) throw Error("radius must lie between 1 and 320");
    double scale = 1.0;
    if (const auto s = parsed.rest.Option("scale")) scale = ParseNumber(*s, "scale");
    if (!(scale >= 0.0 && scale <= 1.0)) throw Error("scale must lie between 0 and 1");
    const std::string quality = parsed.rest.Option("quality").value_or("bilinear");
    if (quality != "bilinear" && quality != "nearest")
      throw Error("unknown quality \"" + quality + "\" (bilinear or nearest)");
    if (ListCodecsIfAsked(parsed.rest, kFaceSize, kFaceSize)) return 0;
    const std::optional<VideoRequest> video = VideoRequestOf(parsed.rest, kFaceSize, kFaceSize);
    if (parsed.strokes.empty()) throw Error("warp needs at least one --stroke");
    CheckOutputs(parsed.rest, video.has_value(), "warp");

    WarpModel model;
    const auto photo = std::make_shared<const Bitmap>(LoadPictureFile(parsed.rest.positional[0]));
    model.SetFacePicture(photo);
    model.SetBrushRadius(radius);
    model.SetBrushStrength(0.25);
    for (const Stroke& stroke : parsed.strokes) ApplyStroke(model, stroke);
    // A drag switches the window to bilinear; the chosen quality comes after.
    model.SetMode(WarpField);
    model.SetSmooth(quality == "bilinear");
    std::optional<PictureOutput> picture;
    if (parsed.rest.positional.size() == 2) {
      if (parsed.rest.flags.count("full-resolution")) {
        picture.emplace(parsed.rest.positional[1], RenderFullSize(model, *photo, scale, 0.0));
      } else {
        model.RenderDistorted({0, 0, kFaceSize, kFaceSize}, scale, 0.0, 0, 0);
        picture.emplace(parsed.rest.positional[1], model.ViewBitmap());
      }
    }
    if (video) {
      // The smear growing from nothing to the chosen scale and back.
      WriteEffectVideo(video->path, kFaceSize, kFaceSize, video->codec,
                       [&](int position) -> const Bitmap& {
                         model.RenderDistorted({0, 0, kFaceSize, kFaceSize},
                                               scale * (position * 0.01), 0.0, 0, 0);
                         return model.ViewBitmap();
                       });
    }
    if (picture) picture->Commit();
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "quillo warp: %s\n", e.what());
    return kExitBadInput;
  }
}

}  // namespace quillo
