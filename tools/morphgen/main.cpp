// morphgen ASSETS DATA: writes the start-up morph and the clip-art morphs
// below DATA, at the places quillo::GeneratedFilePath gives.
// morphgen --preview ASSETS FOLDER: writes, for checking the lines by eye,
// each morph's faces with their lines and its frames 25, 50 and 75 as PNG.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <filesystem>

#include "MorphSets.h"
#include "base/Error.h"
#include "effects/core/MorphDisplay.h"
#include "effects/core/MorphFile.h"
#include "io/core/DataFiles.h"
#include "skin/BitmapImage.h"

namespace {

using namespace quillo;
using morphgen::MorphSet;

// The hand-placed sets keep to a count of lines that can be checked by eye.
constexpr int kMinHandLines = 12;
constexpr int kMaxHandLines = 20;

MorphModel Build(const MorphSet& set, const std::string& assets) {
  if (set.lines.size() < kMinHandLines || set.lines.size() > kMaxHandLines)
    throw Error(set.file + ": a morph here has " + std::to_string(kMinHandLines) + " to " +
                std::to_string(kMaxHandLines) + " lines");
  MorphModel morph;
  morph.SetFace(MorphPicture::One, set.face1(assets));
  morph.SetFace(MorphPicture::Two, set.face2(assets));
  for (const morphgen::HandLine& h : set.lines) {
    const MorphLine line{h.start1, h.end1, h.start2, h.end2, h.start1, h.end1};
    if (!IsUsable(line))
      throw Error(set.file + ": line " + std::to_string(morph.LineCount()) +
                  " is horizontal or vertical in a picture");
    morph.AddLine(line);
  }
  return morph;
}

// A face four times enlarged, with its lines (start yellow, end green).
QImage WithLines(const MorphModel& morph, bool second) {
  constexpr int kScale = 4;
  QImage image = ToImage(second ? morph.SourceBitmap2() : morph.SourceBitmap1())
                     .scaled(kMorphSize * kScale, kMorphSize * kScale);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  for (int i = 0; i < morph.LineCount(); ++i) {
    const MorphLine& l = morph.Lines()[i];
    const RealPoint s = second ? l.Start2 : l.Start1, e = second ? l.End2 : l.End1;
    const QPointF a(s.x * kScale, s.y * kScale), b(e.x * kScale, e.y * kScale);
    p.setPen(QPen(Qt::red, 2));
    p.drawLine(a, b);
    p.setBrush(Qt::yellow);
    p.drawEllipse(a, 5, 5);
    p.setBrush(Qt::green);
    p.drawEllipse(b, 5, 5);
    p.setPen(Qt::white);
    p.drawText((a + b) / 2 + QPointF(4, -4), QString::number(i));
  }
  return image;
}

void Preview(const std::string& assets, const std::string& folder) {
  std::filesystem::create_directories(folder);
  for (const MorphSet& set : morphgen::MorphSets()) {
    MorphModel morph = Build(set, assets);
    const std::string stem =
        folder + "/" + std::filesystem::path(GeneratedFilePath(folder, set.file)).stem().string();
    WithLines(morph, false).save(QString::fromStdString(stem + "-1.png"));
    WithLines(morph, true).save(QString::fromStdString(stem + "-2.png"));
    QImage strip(kDisplaySize * 5, kDisplaySize, QImage::Format_RGB32);
    QPainter p(&strip);
    int slot = 0;
    for (int position : {0, 25, 50, 75, 100}) {
      Bitmap display(kDisplaySize, kDisplaySize);
      ShowMorphFrame(morph, position, 100, display);
      p.drawImage(kDisplaySize * slot++, 0, ToImage(display));
    }
    p.end();
    strip.save(QString::fromStdString(stem + "-frames.png"));
  }
}

void Generate(const std::string& assets, const std::string& data) {
  for (const MorphSet& set : morphgen::MorphSets()) {
    const std::string path = GeneratedFilePath(data, set.file);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    WriteMorphFile(path, Build(set, assets));
  }
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  try {
    if (argc == 4 && std::string(argv[1]) == "--preview") {
      Preview(argv[2], argv[3]);
    } else if (argc == 3) {
      Generate(argv[1], argv[2]);
    } else {
      std::fprintf(stderr, "usage: morphgen ASSETS DATA | morphgen --preview ASSETS FOLDER\n");
      return 2;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "morphgen: %s\n", e.what());
    return 1;
  }
  return 0;
}
