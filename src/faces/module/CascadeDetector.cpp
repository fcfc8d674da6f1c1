#include "CascadeDetector.h"

#include <algorithm>
#include <cmath>
#include <opencv2/imgproc.hpp>
#include <opencv2/objdetect.hpp>
#include <optional>
#include <vector>

#include "base/Error.h"

namespace quillo::faces {

namespace {

// The cascades Debian installs with opencv-data.
constexpr const char* kHumanFace = "haarcascades/haarcascade_frontalface_alt2.xml";
constexpr const char* kCatFace = "lbpcascades/lbpcascade_frontalcatface.xml";
constexpr const char* kEyes = "haarcascades/haarcascade_eye.xml";
constexpr const char* kEyesWithGlasses = "haarcascades/haarcascade_eye_tree_eyeglasses.xml";
constexpr const char* kSmile = "haarcascades/haarcascade_smile.xml";

// Pictures are looked at with their longer side between these: small faces
// are enlarged until the eyes are big enough for the cascades, and large
// photos reduced, which keeps the time short and loses nothing they need.
constexpr double kLongestSide = 480.0;
constexpr double kShortestLongSide = 420.0;
// The cascades miss faces that fill the picture, as a close-up or a face cut
// from a photo does: the picture is looked at within a border of its own edge
// pixels repeated, this part of its longer side wide on each side.
constexpr double kBorder = 0.3;
// The width of a human face at which its eyes and mouth are looked for.
constexpr double kFeatureFace = 160.0;

// How a picture is looked at: at a size (a part of the one above) and turned
// by an angle in degrees. A human face is found at the first where there is
// one; the cat cascade misses faces at some sizes and at a slant, and a cat's
// face is looked for at the others too, until it is found.
struct Attempt {
  double size;
  double degrees;
};
constexpr Attempt kAttempts[] = {{1.0, 0}, {0.75, 0}, {1.3, 0}, {1.0, -10}, {1.0, 10}};

cv::CascadeClassifier Cascade(const std::string& folder, const char* name) {
  const std::string path = folder + "/" + name;
  cv::CascadeClassifier cascade;
  bool loaded = false;
  try {
    loaded = cascade.load(path);
  } catch (const cv::Exception&) {
    loaded = false;
  }
  if (!loaded) throw Error("Cannot read the face detector's cascade " + path);
  return cascade;
}

cv::Rect Largest(const std::vector<cv::Rect>& found) {
  return *std::max_element(found.begin(), found.end(), [](const cv::Rect& a, const cv::Rect& b) {
    return a.area() < b.area();
  });
}

// The picture in grey as one attempt looks at it: scaled, within its border,
// turned; and the way back to the picture's own pixels.
class Look {
 public:
  Look(const cv::Mat& grey, double scale, double degrees) : scale_(scale) {
    if (scale != 1.0)
      cv::resize(grey, grey_, cv::Size(), scale, scale,
                 scale < 1.0 ? cv::INTER_AREA : cv::INTER_LINEAR);
    else
      grey_ = grey;
    side_ = std::min(grey_.cols, grey_.rows);
    border_ = static_cast<int>(kBorder * std::max(grey_.cols, grey_.rows));
    cv::copyMakeBorder(grey_, grey_, border_, border_, border_, border_, cv::BORDER_REPLICATE);
    const cv::Point2f middle(grey_.cols / 2.0f, grey_.rows / 2.0f);
    const cv::Mat turn = cv::getRotationMatrix2D(middle, degrees, 1.0);
    if (degrees != 0)
      cv::warpAffine(grey_, grey_, turn, grey_.size(), cv::INTER_LINEAR, cv::BORDER_REPLICATE);
    cv::invertAffineTransform(turn, back_);
  }

  const cv::Mat& Grey() const { return grey_; }
  // The shorter side of the picture at this scale.
  int Side() const { return side_; }

  // A box found here, in the picture's pixels: its middle taken back, its size kept.
  Box InPicture(const cv::Rect& r, cv::Point offset = {}) const {
    const double x = r.x + offset.x + r.width / 2.0;
    const double y = r.y + offset.y + r.height / 2.0;
    const double bx =
        back_.at<double>(0, 0) * x + back_.at<double>(0, 1) * y + back_.at<double>(0, 2);
    const double by =
        back_.at<double>(1, 0) * x + back_.at<double>(1, 1) * y + back_.at<double>(1, 2);
    const double w = r.width / scale_;
    const double h = r.height / scale_;
    return {(bx - border_) / scale_ - w / 2, (by - border_) / scale_ - h / 2, w, h};
  }

 private:
  cv::Mat grey_;
  double scale_;
  int side_ = 0;
  int border_ = 0;
  cv::Mat back_;
};

class CascadeDetector final : public FaceDetecting {
 public:
  explicit CascadeDetector(const std::string& folder)
      : human_(Cascade(folder, kHumanFace)),
        cat_(Cascade(folder, kCatFace)),
        eyes_(Cascade(folder, kEyes)),
        glasses_(Cascade(folder, kEyesWithGlasses)),
        smile_(Cascade(folder, kSmile)) {}

  std::optional<FaceBoxes> Find(const Bitmap& picture) override {
    if (picture.Empty()) return std::nullopt;
    try {
      return FindIn(picture);
    } catch (const cv::Exception& e) {
      throw Error(std::string("The face detector failed: ") + e.what());
    }
  }

 private:
  std::optional<FaceBoxes> FindIn(const Bitmap& picture) {
    // The pixels are blue, green, red and a fourth byte, as OpenCV's BGRA.
    const cv::Mat colour(picture.Height(), picture.Width(), CV_8UC4,
                         const_cast<Pixel*>(picture.Data()));
    cv::Mat grey;
    cv::cvtColor(colour, grey, cv::COLOR_BGRA2GRAY);
    const double longest = std::max(picture.Width(), picture.Height());
    const double scale = longest > kLongestSide        ? kLongestSide / longest
                         : longest < kShortestLongSide ? kShortestLongSide / longest
                                                       : 1.0;
    bool first = true;
    for (const Attempt& attempt : kAttempts) {
      const Look look(grey, scale * attempt.size, attempt.degrees);
      if (first) {
        std::vector<cv::Rect> found;
        human_.detectMultiScale(look.Grey(), found, 1.1, 4, 0,
                                cv::Size(look.Side() / 5, look.Side() / 5));
        if (!found.empty()) return HumanFeatures(look, Largest(found));
        first = false;
      }
      if (const std::optional<cv::Rect> face = CatFace(look)) return CatFeatures(look, *face);
    }
    return std::nullopt;
  }

  FaceBoxes HumanFeatures(const Look& look, const cv::Rect& face) {
    FaceBoxes boxes{FaceKind::Human, look.InPicture(face), {}, {}, {}};
    // The features are looked for with the face at most this wide: the
    // cascades find them as well, in a fraction of the time.
    const double reduce = std::min(1.0, kFeatureFace / face.width);
    const auto find = [&](cv::CascadeClassifier& cascade, cv::Rect part, double step,
                          int neighbours, cv::Size smallest, cv::Size largest) {
      part &= cv::Rect(0, 0, look.Grey().cols, look.Grey().rows);
      std::vector<Box> out;
      if (part.empty()) return out;
      cv::Mat small;
      cv::resize(look.Grey()(part), small, cv::Size(), reduce, reduce, cv::INTER_AREA);
      const auto scaled = [&](cv::Size s) {
        return cv::Size(static_cast<int>(s.width * reduce), static_cast<int>(s.height * reduce));
      };
      std::vector<cv::Rect> found;
      cascade.detectMultiScale(small, found, step, neighbours, 0, scaled(smallest),
                               scaled(largest));
      for (const cv::Rect& r : found) {
        const cv::Rect full(static_cast<int>(r.x / reduce), static_cast<int>(r.y / reduce),
                            static_cast<int>(r.width / reduce),
                            static_cast<int>(r.height / reduce));
        out.push_back(look.InPicture(full, part.tl()));
      }
      return out;
    };
    // Eyes in the band of the face's upper half where they lie; with glasses
    // the plain cascade often misses one.
    const cv::Rect eyeBand(face.x, face.y + face.height * 15 / 100, face.width,
                           face.height * 45 / 100);
    const cv::Size smallest(face.width / 10, face.width / 10);
    const cv::Size largest(face.width / 2, face.width / 2);
    boxes.eyes = find(eyes_, eyeBand, 1.03, 3, smallest, largest);
    if (boxes.eyes.size() < 2) {
      const std::vector<Box> more = find(glasses_, eyeBand, 1.05, 3, smallest, largest);
      boxes.eyes.insert(boxes.eyes.end(), more.begin(), more.end());
    }
    // Mouths in the face's lower third and a little below it.
    const cv::Rect mouthBand(face.x + face.width / 6, face.y + face.height * 6 / 10,
                             face.width * 2 / 3, face.height / 2);
    boxes.mouths =
        find(smile_, mouthBand, 1.05, 12, cv::Size(face.width / 5, face.height / 10), cv::Size());
    return boxes;
  }

  // The cat cascade is less sure of itself than the human one and does not
  // find a face and its mirror image alike: it looks at both, takes the
  // surest box, and averages it with a box of the other side that covers it.
  std::optional<cv::Rect> CatFace(const Look& look) {
    const cv::Mat& grey = look.Grey();
    const cv::Size smallest(look.Side() / 3, look.Side() / 3);
    std::vector<cv::Rect> found[2];
    std::vector<int> votes[2];
    cat_.detectMultiScale(grey, found[0], votes[0], 1.03, 3, 0, smallest);
    cv::Mat flipped;
    cv::flip(grey, flipped, 1);
    cat_.detectMultiScale(flipped, found[1], votes[1], 1.03, 3, 0, smallest);
    for (cv::Rect& r : found[1]) r.x = grey.cols - r.x - r.width;
    std::optional<cv::Rect> best;
    int bestVotes = 0;
    int bestSide = 0;
    for (int side = 0; side < 2; ++side) {
      for (std::size_t i = 0; i < found[side].size(); ++i) {
        const cv::Rect& r = found[side][i];
        const int v = votes[side][i];
        if (!best || v > bestVotes || (v == bestVotes && r.area() > best->area())) {
          best = r;
          bestVotes = v;
          bestSide = side;
        }
      }
    }
    if (!best) return std::nullopt;
    for (const cv::Rect& r : found[1 - bestSide]) {
      if ((r & *best).area() < std::max(r.area(), best->area()) * 7 / 10) continue;
      return cv::Rect((r.x + best->x) / 2, (r.y + best->y) / 2, (r.width + best->width) / 2,
                      (r.height + best->height) / 2);
    }
    return best;
  }

  // A cat's eyes, which the cascade made for human ones seldom finds: the
  // pupil is the darkest place of each half of the band where the eyes lie.
  // Its nostrils are the darkest place in the middle below them.
  FaceBoxes CatFeatures(const Look& look, const cv::Rect& face) {
    FaceBoxes boxes{FaceKind::Cat, look.InPicture(face), {}, {}, {}};
    const int w = face.width;
    for (const int left : {w / 10, w / 2}) {
      if (const auto pupil =
              Darkest(look, {face.x + left, face.y + w / 5, w * 2 / 5, w * 2 / 5}, w))
        boxes.eyes.push_back(*pupil);
    }
    if (const auto nostrils =
            Darkest(look, {face.x + w * 3 / 10, face.y + w * 55 / 100, w * 2 / 5, w * 3 / 10}, w))
      boxes.noses.push_back(*nostrils);
    return boxes;
  }

  // The darkest place of a part of a face faceWidth wide, blurred first so
  // that a dark hair does not count, as a small box in the picture's pixels.
  static std::optional<Box> Darkest(const Look& look, cv::Rect part, int faceWidth) {
    part &= cv::Rect(0, 0, look.Grey().cols, look.Grey().rows);
    if (part.empty()) return std::nullopt;
    cv::Mat smooth;
    cv::GaussianBlur(look.Grey()(part), smooth, cv::Size(), faceWidth / 60.0);
    cv::Point darkest;
    cv::minMaxLoc(smooth, nullptr, nullptr, &darkest, nullptr);
    const int r = faceWidth / 16;
    return look.InPicture(cv::Rect(darkest.x - r, darkest.y - r, 2 * r, 2 * r), part.tl());
  }

  cv::CascadeClassifier human_;
  cv::CascadeClassifier cat_;
  cv::CascadeClassifier eyes_;
  cv::CascadeClassifier glasses_;
  cv::CascadeClassifier smile_;
};

}  // namespace

std::unique_ptr<FaceDetecting> OpenCascadeDetector(const std::string& cascadeFolder) {
  return std::make_unique<CascadeDetector>(cascadeFolder);
}

}  // namespace quillo::faces
