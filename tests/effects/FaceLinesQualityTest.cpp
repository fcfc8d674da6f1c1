// How well the automatic lines sit on real faces: portraits cut from the
// photographs in assets/ and turned, mirrored and scaled, against features
// marked by hand (data/face-marks.txt). Every end of the eye, nose and mouth
// lines must lie within 6 pixels of its mark in the 145 x 145 face. Needs the
// face module and OpenCV's cascades; skipped where they are missing.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "effects/FaceFinder.h"
#include "effects/core/FaceLines.h"
#include "effects/core/MorphModel.h"
#include "io/PictureFile.h"
#include "skin/core/SmoothDraw.h"

namespace quillo {
namespace {

constexpr double kTolerance = 6.0;

struct Portrait {
  std::string name;
  std::string photo;
  Rect part;
  std::map<std::string, RealPoint> marks;
};

std::vector<Portrait> ReadPortraits() {
  std::ifstream in(std::string(QUILLO_SOURCE_DIR) + "/tests/effects/data/face-marks.txt");
  std::vector<Portrait> portraits;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream words(line);
    std::string first;
    words >> first;
    if (first == "portrait") {
      Portrait p;
      int left, top, width, height;
      words >> p.name >> p.photo >> left >> top >> width >> height;
      p.part = RectOfSize(left, top, width, height);
      portraits.push_back(p);
    } else if (!portraits.empty()) {
      RealPoint at;
      words >> at.x >> at.y;
      portraits.back().marks[first] = at;
    }
  }
  return portraits;
}

// A picture made from a photograph: its pixel (u, v) shows the photograph's
// point origin + u * ax + v * ay.
struct View {
  std::string name;
  int width;
  int height;
  RealPoint origin;
  RealPoint ax;
  RealPoint ay;
  bool mirrored = false;
};

std::vector<View> ViewsOf(const Portrait& p, const Bitmap& photo) {
  const double w = p.part.Width();
  const double h = p.part.Height();
  const RealPoint c = {p.part.left + w / 2, p.part.top + h / 2};
  std::vector<View> views = {
      {"as cut",
       p.part.Width(),
       p.part.Height(),
       {1.0 * p.part.left, 1.0 * p.part.top},
       {1, 0},
       {0, 1}},
      {"mirrored",
       p.part.Width(),
       p.part.Height(),
       {p.part.left + w - 1, 1.0 * p.part.top},
       {-1, 0},
       {0, 1},
       true},
      {"whole photograph", photo.Width(), photo.Height(), {0, 0}, {1, 0}, {0, 1}},
      // Twice the pixels of the part: a large photo that is reduced.
      {"enlarged",
       2 * p.part.Width(),
       2 * p.part.Height(),
       {1.0 * p.part.left, 1.0 * p.part.top},
       {0.5, 0},
       {0, 0.5}},
      // The face at two thirds of its size, with more around it.
      {"smaller",
       p.part.Width(),
       p.part.Height(),
       {c.x - 0.75 * w, c.y - 0.75 * h},
       {1.5, 0},
       {0, 1.5}},
  };
  for (const double degrees : {-8.0, -4.0, 4.0, 8.0}) {
    const double a = degrees * M_PI / 180;
    const RealPoint ax = {std::cos(a), std::sin(a)};
    const RealPoint ay = {-std::sin(a), std::cos(a)};
    views.push_back({"turned " + std::to_string(static_cast<int>(degrees)) + " degrees",
                     p.part.Width(),
                     p.part.Height(),
                     {c.x - ax.x * w / 2 - ay.x * h / 2, c.y - ax.y * w / 2 - ay.y * h / 2},
                     ax,
                     ay});
  }
  return views;
}

// Bilinear samples of the photograph, its edge repeated beyond it.
Bitmap Render(const Bitmap& photo, const View& v) {
  Bitmap out(v.width, v.height);
  const auto at = [&](int x, int y) {
    return photo.At(std::clamp(x, 0, photo.Width() - 1), std::clamp(y, 0, photo.Height() - 1));
  };
  for (int y = 0; y < v.height; ++y) {
    for (int x = 0; x < v.width; ++x) {
      const double px = v.origin.x + x * v.ax.x + y * v.ay.x;
      const double py = v.origin.y + x * v.ax.y + y * v.ay.y;
      const int x0 = static_cast<int>(std::floor(px));
      const int y0 = static_cast<int>(std::floor(py));
      const double fx = px - x0;
      const double fy = py - y0;
      Pixel result = 0;
      for (int shift : {0, 8, 16}) {
        const auto ch = [&](int xx, int yy) { return (at(xx, yy) >> shift) & 0xFF; };
        const double top = ch(x0, y0) * (1 - fx) + ch(x0 + 1, y0) * fx;
        const double bottom = ch(x0, y0 + 1) * (1 - fx) + ch(x0 + 1, y0 + 1) * fx;
        result |= static_cast<Pixel>(top * (1 - fy) + bottom * fy + 0.5) << shift;
      }
      out.At(x, y) = result;
    }
  }
  return out;
}

// A mark of the portrait in the photograph, then in the view's 145 x 145 face.
RealPoint InFace(const Portrait& p, const View& v, RealPoint mark) {
  const Rect fit = CenterRect(kMorphSize, kMorphSize, p.part.Width(), p.part.Height());
  const RealPoint photo = {p.part.left + (mark.x - fit.left) * p.part.Width() / fit.Width(),
                           p.part.top + (mark.y - fit.top) * p.part.Height() / fit.Height()};
  // The view's affine map turned round.
  const double dx = photo.x - v.origin.x;
  const double dy = photo.y - v.origin.y;
  const double det = v.ax.x * v.ay.y - v.ay.x * v.ax.y;
  const double u = (dx * v.ay.y - v.ay.x * dy) / det;
  const double w = (v.ax.x * dy - dx * v.ax.y) / det;
  const Rect vfit = CenterRect(kMorphSize, kMorphSize, v.width, v.height);
  return {vfit.left + u * vfit.Width() / v.width, vfit.top + w * vfit.Height() / v.height};
}

// The marks a line's ends are held to, left and right swapped in a mirror.
std::string Mirrored(std::string name) {
  for (const auto& [from, to] :
       {std::pair<std::string, std::string>{"left", "right"}, {"right", "left"}}) {
    if (const auto at = name.find(from); at != std::string::npos)
      return name.replace(at, from.size(), to);
  }
  return name;
}

struct CheckedLine {
  int index;  // in FeatureLines()
  const char* start;
  const char* end;
};
const CheckedLine kChecked[] = {{0, "left-eye-outer", "left-eye-inner"},
                                {1, "right-eye-inner", "right-eye-outer"},
                                {4, "nose-bridge", "nose-tip"},
                                {5, "mouth-left", "mouth-right"}};

class FaceLinesQuality : public ::testing::Test {
 protected:
  void SetUp() override {
    finder_ = LoadFaceFinder(false);
    if (!finder_->Available()) GTEST_SKIP() << finder_->WhyUnavailable();
  }
  std::string Asset(const std::string& name) const {
    return std::string(QUILLO_SOURCE_DIR) + "/assets/" + name;
  }
  std::unique_ptr<FaceFinder> finder_;
};

TEST_F(FaceLinesQuality, EyeNoseAndMouthLinesLieOnTheMarkedFeatures) {
  const std::vector<Portrait> portraits = ReadPortraits();
  ASSERT_EQ(portraits.size(), 2u);
  double worst = 0;
  for (const Portrait& p : portraits) {
    const Bitmap photo = LoadPictureFile(Asset(p.photo));
    for (const View& v : ViewsOf(p, photo)) {
      SCOPED_TRACE(p.name + ", " + v.name);
      const Bitmap picture = Render(photo, v);
      const std::optional<FaceBoxes> found = finder_->Find(picture);
      ASSERT_TRUE(found.has_value());
      EXPECT_EQ(found->kind, p.name == "cat" ? FaceKind::Cat : FaceKind::Human);
      const FacePoints points = PlaceFacePoints(InMorphFrame(*found, v.width, v.height));
      const std::vector<MorphLine> lines = MatchedLines(points, points);
      std::printf("%-10s %-18s", p.name.c_str(), v.name.c_str());
      for (const CheckedLine& c : kChecked) {
        const MorphLine& line = lines[c.index];
        double far = -1;
        for (const auto& [end, mark] : {std::pair{line.Start1, c.start}, {line.End1, c.end}}) {
          const auto marked = p.marks.find(v.mirrored ? Mirrored(mark) : mark);
          if (marked == p.marks.end()) continue;
          const RealPoint want = InFace(p, v, marked->second);
          const double d = std::hypot(end.x - want.x, end.y - want.y);
          EXPECT_LE(d, kTolerance) << FeatureLines()[c.index].name << " at " << mark;
          far = std::max(far, d);
        }
        if (far < 0)
          std::printf("  %s -", std::string(FeatureLines()[c.index].name).c_str());
        else
          std::printf("  %s %.1f", std::string(FeatureLines()[c.index].name).c_str(), far);
        worst = std::max(worst, far);
      }
      std::printf("\n");
    }
  }
  std::printf("farthest line end from its mark: %.1f pixels\n", worst);
}

TEST_F(FaceLinesQuality, PicturesWithoutAFaceGiveNone) {
  EXPECT_FALSE(finder_->Find(LoadPictureFile(Asset("coffee.png"))).has_value());
  EXPECT_FALSE(finder_->Find(Bitmap(300, 200, MakePixel(128, 128, 128))).has_value());
}

}  // namespace
}  // namespace quillo
