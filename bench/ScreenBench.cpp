// Cost of the main window's screens, with every window of the program created
// over the real data folder and the main window shown offscreen: one tick of
// the slide between home and the Warping screen (the panels' moves and the
// immediate repaint of what they uncover), and a repaint of the whole window
// on the home and the Warping screen.
//
// The data folder is the build folder unless QUILLO_DATA_FOLDER names
// another one.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QRect>
#include <QWidget>
#include <array>
#include <cstdio>
#include <exception>
#include <memory>
#include <string>

#include "BenchDataFolder.h"
#include "app/QuilloApplication.h"
#include "app/QuilloWindows.h"
#include "app/Services.h"
#include "app/core/SlideAnimation.h"
#include "io/core/Folders.h"
#include "skin/TGraphicButton.h"
#include "skin/TNonRectPanel.h"

namespace quillo {
namespace {

// The program's windows with the main window shown on the home screen.
struct Scene {
  explicit Scene(Services& services) : windows(services) {
    windows.JumpForm->show();
    QCoreApplication::processEvents();
  }
  QuilloWindows windows;
};

// The widgets a slide moves or shows, with their places and visibility, so
// that a measurement leaves the window as it found it.
class SlideWidgets {
 public:
  explicit SlideWidgets(TJumpForm& f)
      : widgets_{f.HelpPanel,      f.LoadPanel,      f.SavePanel,      f.LeftPanel,
                 f.RightPanel,     f.GraphicButton1, f.GraphicButton2, f.GraphicButton3,
                 f.GraphicButton4, f.GraphicButton5} {
    for (std::size_t i = 0; i < widgets_.size(); ++i) {
      places_[i] = widgets_[i]->geometry();
      visible_[i] = widgets_[i]->isVisible();
    }
  }
  SlideWidgets(const SlideWidgets&) = delete;
  SlideWidgets& operator=(const SlideWidgets&) = delete;
  ~SlideWidgets() {
    for (std::size_t i = 0; i < widgets_.size(); ++i) {
      widgets_[i]->setGeometry(places_[i]);
      widgets_[i]->setVisible(visible_[i]);
    }
    QCoreApplication::processEvents();
  }

 private:
  std::array<QWidget*, 10> widgets_;
  std::array<QRect, 10> places_;
  std::array<bool, 10> visible_;
};

// Brings the window to the home screen (0) or the Warping screen (1) by the
// program's own handlers.
void GoTo(TJumpForm& f, int screen) {
  if (f.CurrentScreen == screen) return;
  if (f.CurrentScreen != 0) f.ExitClick();
  if (screen == 1) f.Page1Click();
}

// One tick of the slide halfway through: AnimTimerTimer() as the timer calls
// it, with the elapsed time alternating between two neighbouring ticks so
// that every call moves the panels by one tick's distance, in and out. With
// `paint` the loop also runs the events the moves posted, as the program's
// loop does before the next tick: the panels painted at their new places.
void SlideTick(benchmark::State& state, TJumpForm* f, int direction, bool paint) {
  GoTo(*f, direction > 0 ? 0 : 1);
  const SlideWidgets restore(*f);
  // What SwitchScreen() does before it starts the timer.
  for (TGraphicButton* button : {f->GraphicButton1, f->GraphicButton2, f->GraphicButton3,
                                 f->GraphicButton4, f->GraphicButton5})
    button->hide();
  f->LeftPanel->show();
  f->RightPanel->show();
  f->SlideDirection = direction;
  f->AnimTimerTag = 0;
  f->AnimTimerTimer();  // notes where the slide begins
  const int duration = SlideDuration(direction);
  const int middle = duration / 2 / kSlideTick * kSlideTick;
  f->AnimTimerTag = middle - kSlideTick;
  f->AnimTimerTimer();
  const int before = f->LeftPanel->x();
  f->AnimTimerTimer();
  QCoreApplication::processEvents();
  if (f->LeftPanel->x() == before) {
    state.SkipWithError("a tick halfway through the slide moved nothing");
    return;
  }
  bool odd = false;
  for (auto _ : state) {
    odd = !odd;
    f->AnimTimerTag = odd ? middle - kSlideTick : middle;
    f->AnimTimerTimer();
    if (paint) QCoreApplication::processEvents();
  }
  state.SetLabel(std::string(direction > 0 ? "home to Warping" : "Warping to home") + ", " +
                 std::to_string(middle) + " ms of " + std::to_string(duration) +
                 (paint ? ", with the posted paints" : ""));
}

// A repaint of the whole main window and every control on it.
void Repaint(benchmark::State& state, TJumpForm* f, int screen) {
  GoTo(*f, screen);
  if (f->BackgroundBitmap.Empty()) {
    state.SkipWithError("the main window's art did not load");
    return;
  }
  f->repaint();
  for (auto _ : state) f->repaint();
  state.SetLabel(screen == 0 ? "home" : "Warping, with the mirror window");
}

void Register(TJumpForm& f) {
  const auto us = benchmark::kMicrosecond;
  benchmark::RegisterBenchmark("SlideTick/in", SlideTick, &f, 1, false)->Unit(us);
  benchmark::RegisterBenchmark("SlideTick/in+paint", SlideTick, &f, 1, true)->Unit(us);
  benchmark::RegisterBenchmark("SlideTick/out", SlideTick, &f, -1, false)->Unit(us);
  benchmark::RegisterBenchmark("SlideTick/out+paint", SlideTick, &f, -1, true)->Unit(us);
  benchmark::RegisterBenchmark("Repaint/home", Repaint, &f, 0)->Unit(us);
  benchmark::RegisterBenchmark("Repaint/Warping", Repaint, &f, 1)->Unit(us);
}

}  // namespace
}  // namespace quillo

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QUILLO_NULL_SERVICES", "1");
  quillo::QuilloApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  const std::string folder = quillo::BenchDataFolder();
  quillo::ProgramFolder = folder;
  quillo::Services services = quillo::Services::Load();
  std::unique_ptr<quillo::Scene> scene;
  try {
    scene = std::make_unique<quillo::Scene>(services);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "Cannot create the windows over %s: %s\n", folder.c_str(), e.what());
    return 1;
  }
  benchmark::AddCustomContext("data folder", folder);
  quillo::Register(*scene->windows.JumpForm);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
