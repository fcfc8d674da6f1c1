// Repaint cost of the skinned controls, with the real skin sheet and
// background art of the data folder: the main window's controls are created
// from its layout over a client area that paints the background art, and
// each case measures what one repaint or one change of shape computes.
//
// The data folder is the build folder unless QUILLO_DATA_FOLDER names
// another one.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <QRegion>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "BenchDataFolder.h"
#include "base/Error.h"
#include "io/core/BitmapFile.h"
#include "io/core/DataFiles.h"
#include "io/core/Folders.h"
#include "skin/BitmapImage.h"
#include "skin/RegionFromBitmap.h"
#include "skin/TGraphicButton.h"
#include "skin/TGraphicSlider.h"
#include "skin/TNonRectPanel.h"
#include "skin/WindowControls.h"
#include "skin/core/CellPicture.h"
#include "skin/core/PictureHolder.h"
#include "skin/core/SkinLayout.h"
#include "skin/core/WindowPlaces.h"

namespace quillo {
namespace {

// The main window's client area: the background art drawn from the window's
// outer corner, as the program draws it.
class ArtClient final : public QWidget {
 public:
  explicit ArtClient(const Bitmap& art) : art_(art) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(kWindowWidth - 2 * kFrame, kWindowHeight - 2 * kFrame);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawImage(-kFrame, -kFrame, WrapImage(art_));
  }

 private:
  const Bitmap& art_;
};

// The art, the sheet and the main window's controls, shown offscreen.
struct Scene {
  explicit Scene(const std::string& folder)
      : art(LoadBitmapFile(ResolveIn(folder, kMainBitmapFile))), client(art) {
    BmpPicture picture = LoadBmpPicture(ResolveIn(folder, kSkinSheetFile));
    sheetBits = picture.bitsPerPixel;
    sheet.SetPicture(std::move(picture.bitmap), picture.bitsPerPixel);
    controls.emplace(&client, MainWindowLayout(),
                     std::map<std::string_view, const PictureHolder*>{{kSkinSheetHolder, &sheet}});
    client.show();
    QApplication::processEvents();
  }

  Bitmap art;
  PictureHolder sheet{std::string(kSkinSheetHolder)};
  int sheetBits = 0;
  ArtClient client;
  std::optional<WindowControls> controls;
};

// True when some pixel of the picture differs from its first one: a snapshot
// of the art is never one flat colour.
bool HasDetail(const Bitmap& picture) {
  if (picture.Empty()) return false;
  const Pixel first = ColourBits(picture.At(0, 0));
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x)
      if (ColourBits(picture.At(x, y)) != first) return true;
  return false;
}

std::string SizeLabel(int w, int h) {
  return std::to_string(w) + " x " + std::to_string(h);
}

// Compose() with the background snapshot captured before the loop, or
// emptied before every paint to include the capture.
void ButtonCompose(benchmark::State& state, TGraphicButton* button, int transparency,
                   bool recapture) {
  button->SetTransparency(transparency);
  button->ClearBackground();
  Bitmap first = button->Compose();
  const bool blending = button->Resource.Color() != kColorNone || transparency != 0;
  if (first.Width() != button->width() || first.Height() != button->height()) {
    state.SkipWithError("Compose() returned a picture of another size than the button");
    return;
  }
  if (blending && !HasDetail(button->Background())) {
    state.SkipWithError("the background snapshot came out blank");
    return;
  }
  if (!blending && !button->Background().Empty()) {
    state.SkipWithError("a button that does not blend captured a background snapshot");
    return;
  }
  for (auto _ : state) {
    if (recapture) button->ClearBackground();
    Bitmap picture = button->Compose();
    benchmark::DoNotOptimize(picture.Data());
  }
  state.SetLabel(SizeLabel(button->width(), button->height()) + ", transparency " +
                 std::to_string(transparency) + (blending ? "" : ", no snapshot"));
}

// A whole repaint through the toolkit: the paint event (Compose() and drawing
// the picture) and the flush of the window's backing store.
void ButtonRepaint(benchmark::State& state, TGraphicButton* button, int transparency) {
  button->SetTransparency(transparency);
  button->repaint();
  for (auto _ : state) button->repaint();
  state.SetLabel(SizeLabel(button->width(), button->height()) + ", transparency " +
                 std::to_string(transparency));
}

void SliderCompose(benchmark::State& state, TGraphicSlider* slider, bool sweep) {
  slider->ClearBackground();
  slider->Compose();
  if (!HasDetail(slider->Background())) {
    state.SkipWithError("the background snapshot came out blank");
    return;
  }
  const int start = slider->Value();
  const int span = slider->Max() - slider->Min() + 1;
  int step = 0;
  for (auto _ : state) {
    if (sweep) slider->SetValue(slider->Min() + step++ % span);
    Bitmap picture = slider->Compose();
    benchmark::DoNotOptimize(picture.Data());
  }
  slider->SetValue(start);
  const Rect thumb = slider->Resource.ThumbCell();
  state.SetLabel(SizeLabel(slider->width(), slider->height()) + ", thumb " +
                 SizeLabel(thumb.Width(), thumb.Height()) + ", transparency " +
                 std::to_string(slider->Transparency()) + (sweep ? ", value moving" : ""));
}

// The shape of a panel's cell, checked against the mask the panel holds.
void PanelRegion(benchmark::State& state, const Scene& scene, std::string_view name) {
  const ControlLayout& layout = MainWindowLayout().Control(name);
  const Rect cell = layout.Cell(layout.resource.index);
  const Bitmap cut = CutCell(scene.sheet.Picture(), cell, cell.Width(), cell.Height());
  const std::optional<QRegion> shape = CreateRegionFromBitmap32(cut, layout.resource.color);
  if (!shape) {
    state.SkipWithError("the panel's cell is all key colour");
    return;
  }
  if (scene.controls->Get<TNonRectPanel>(name)->mask() != *shape) {
    state.SkipWithError("the panel's mask differs from the shape of its cell");
    return;
  }
  for (auto _ : state) {
    std::optional<QRegion> region = CreateRegionFromBitmap32(cut, layout.resource.color);
    benchmark::DoNotOptimize(region);
  }
  state.counters["rects"] = static_cast<double>(shape->rectCount());
  state.SetLabel(SizeLabel(cut.Width(), cut.Height()));
}

// ResourceChanged(): the cell cut again, its shape built and set as the mask.
void PanelResourceChanged(benchmark::State& state, TNonRectPanel* panel) {
  for (auto _ : state) panel->ResourceChanged();
  state.SetLabel(SizeLabel(panel->width(), panel->height()));
}

// The pointer entering and leaving a tab panel in turn: each changes the
// cell, which re-cuts the shape.
void PanelHover(benchmark::State& state, TNonRectPanel* panel) {
  bool inside = false;
  for (auto _ : state) {
    inside = !inside;
    if (inside)
      panel->Resource.PointerEntered();
    else
      panel->Resource.PointerLeft();
  }
  panel->Resource.PointerLeft();
  state.SetLabel(SizeLabel(panel->width(), panel->height()) + ", cells " +
                 std::to_string(panel->Resource.AutoLeave) + " and " +
                 std::to_string(panel->Resource.AutoEnter));
}

// The picture a panel's paint event draws.
void PanelPicture(benchmark::State& state, const TNonRectPanel* panel) {
  for (auto _ : state) {
    Bitmap picture = panel->CellPicture();
    benchmark::DoNotOptimize(picture.Data());
  }
  state.SetLabel(SizeLabel(panel->width(), panel->height()));
}

void Register(Scene& scene) {
  const WindowControls& c = *scene.controls;
  auto* exitButton = c.Get<TGraphicButton>("GraphicButton5");
  auto* modeButton = c.Get<TGraphicButton>("GraphicButton1");
  auto* leftSlider = c.Get<TGraphicSlider>("LeftSlider");
  auto* trackBar = c.Get<TGraphicSlider>("TrackBar");
  // The track bar waits hidden until a screen needs it.
  trackBar->show();

  const auto us = benchmark::kMicrosecond;
  benchmark::RegisterBenchmark("ButtonCompose/GraphicButton5/blend", ButtonCompose, exitButton, 50,
                               false)
      ->Unit(us);
  benchmark::RegisterBenchmark("ButtonCompose/GraphicButton5/blend+capture", ButtonCompose,
                               exitButton, 50, true)
      ->Unit(us);
  // The exit button as the program shows it: only the background at rest,
  // the whole cell while hovered.
  benchmark::RegisterBenchmark("ButtonCompose/GraphicButton5/rest", ButtonCompose, exitButton, 100,
                               false)
      ->Unit(us);
  benchmark::RegisterBenchmark("ButtonCompose/GraphicButton5/hovered", ButtonCompose, exitButton, 0,
                               false)
      ->Unit(us);
  benchmark::RegisterBenchmark("ButtonCompose/GraphicButton1/opaque", ButtonCompose, modeButton, 0,
                               false)
      ->Unit(us);
  benchmark::RegisterBenchmark("ButtonRepaint/GraphicButton5/blend", ButtonRepaint, exitButton, 50)
      ->Unit(us);
  benchmark::RegisterBenchmark("ButtonRepaint/GraphicButton1/opaque", ButtonRepaint, modeButton, 0)
      ->Unit(us);
  benchmark::RegisterBenchmark("SliderCompose/LeftSlider", SliderCompose, leftSlider, false)
      ->Unit(us);
  benchmark::RegisterBenchmark("SliderCompose/TrackBar", SliderCompose, trackBar, false)->Unit(us);
  benchmark::RegisterBenchmark("SliderCompose/TrackBar/drag", SliderCompose, trackBar, true)
      ->Unit(us);
  for (std::string_view name : {"LeftPanel", "RightPanel", "MorphLeftPanel", "MorphRightPanel",
                                "HelpPanel", "LoadPanel", "SavePanel"})
    benchmark::RegisterBenchmark(("PanelRegion/" + std::string(name)).c_str(), PanelRegion,
                                 std::cref(scene), name)
        ->Unit(us);
  auto* leftPanel = c.Get<TNonRectPanel>("LeftPanel");
  benchmark::RegisterBenchmark("PanelResourceChanged/LeftPanel", PanelResourceChanged, leftPanel)
      ->Unit(us);
  benchmark::RegisterBenchmark("PanelHover/HelpPanel", PanelHover,
                               c.Get<TNonRectPanel>("HelpPanel"))
      ->Unit(us);
  benchmark::RegisterBenchmark("PanelPicture/LeftPanel", PanelPicture, leftPanel)->Unit(us);
}

}  // namespace
}  // namespace quillo

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  const std::string folder = quillo::BenchDataFolder();
  std::unique_ptr<quillo::Scene> scene;
  try {
    scene = std::make_unique<quillo::Scene>(folder);
  } catch (const quillo::Error& e) {
    std::fprintf(stderr, "Cannot set up the controls from %s: %s\n", folder.c_str(), e.what());
    return 1;
  }
  const quillo::Bitmap& sheet = scene->sheet.Picture();
  benchmark::AddCustomContext("data folder", folder);
  benchmark::AddCustomContext("skin sheet", std::to_string(sheet.Width()) + " x " +
                                                std::to_string(sheet.Height()) + ", " +
                                                std::to_string(scene->sheetBits) + "-bit");
  quillo::Register(*scene);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
