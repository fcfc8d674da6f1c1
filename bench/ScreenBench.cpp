// Cost of the main window's screens, with every window of the program created
// over the real data folder and the main window shown offscreen: one tick of
// the slide between home and the Warping screen (the panels' moves and the
// immediate repaint of what they uncover), a repaint of the whole window on
// the home and the Warping screen, and on the Morphing screen a step of the
// slider and a move of the pointer over a picture.
//
// The data folder is the build folder unless QUILLO_DATA_FOLDER names
// another one.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QRect>
#include <QWidget>
#include <array>
#include <cstdio>
#include <exception>
#include <memory>
#include <random>
#include <string>

#include "BenchDataFolder.h"
#include "app/QuilloApplication.h"
#include "app/QuilloWindows.h"
#include "app/Services.h"
#include "app/core/SlideAnimation.h"
#include "io/core/Folders.h"
#include "skin/TGraphicButton.h"
#include "skin/TGraphicSlider.h"
#include "skin/TNonRectPanel.h"
#include "skin/TPaintBox.h"

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

// Brings the window to the home screen (0), the Warping screen (1) or the
// Morphing screen (3) by the program's own handlers.
void GoTo(TJumpForm& f, int screen) {
  if (f.CurrentScreen == screen) return;
  if (f.CurrentScreen != 0) f.ExitClick();
  if (screen == 1) f.Page1Click();
  if (screen == 3) f.GraphicButton2Click();
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

// The morph of the Morphing screen for the life of the object: the start-up
// morph as loaded, or with `lines` usable lines spread over both pictures.
class MorphLines {
 public:
  MorphLines(TMorphForm& form, int lines) : form_(form), kept_(form.Morph) {
    std::mt19937 random(lines);
    std::uniform_int_distribution<int> coordinate(0, 144);
    if (lines > 0) form.Morph.ClearLines();
    while (form.Morph.LineCount() < lines) {
      MorphLine l;
      for (RealPoint* p : {&l.Start1, &l.End1, &l.Start2, &l.End2})
        *p = {double(coordinate(random)), double(coordinate(random))};
      if (IsUsable(l)) form.Morph.AddLine(l);
    }
  }
  MorphLines(const MorphLines&) = delete;
  MorphLines& operator=(const MorphLines&) = delete;
  ~MorphLines() {
    form_.Morph = kept_;
    form_.Editing.Reset();
  }

 private:
  TMorphForm& form_;
  MorphModel kept_;
};

std::string Lines(const TMorphForm& form) {
  return std::to_string(form.Morph.LineCount()) + " lines";
}

// A step of the morph slider as a drag makes it: the frame computed and
// enlarged, the slider and the centre box repainted at once.
void MorphSlider(benchmark::State& state, QuilloWindows* w, int lines) {
  TJumpForm& f = *w->JumpForm;
  GoTo(f, 3);
  const MorphLines morph(*w->MorphForm, lines);
  bool odd = false;
  for (auto _ : state) {
    odd = !odd;
    f.TrackBar->SetValue(odd ? 49 : 50);
  }
  state.SetLabel(Lines(*w->MorphForm) + ", positions 49 and 50");
}

// A move of the pointer over picture 1, no button held. With `hot` the moves
// go by turns onto a line's start and off it again, so that every move
// changes the hot line and both pictures are painted again (the loop runs
// the paints each move posts); otherwise they cross empty space and change
// nothing.
void MorphHover(benchmark::State& state, QuilloWindows* w, int lines, bool hot) {
  TJumpForm& f = *w->JumpForm;
  GoTo(f, 3);
  const MorphLines morph(*w->MorphForm, lines);
  TMorphForm& form = *w->MorphForm;
  const MorphLine& line = form.Morph.Lines()[form.Morph.LineCount() - 1];
  const QPointF on(static_cast<int>(line.Start1.x), static_cast<int>(line.Start1.y));
  QPointF away(-50, -50);  // no line ends there
  auto move = [&f](QPointF at) {
    QMouseEvent event(QEvent::MouseMove, at, f.PaintBox1->mapToGlobal(at), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.PaintBox1, &event);
  };
  move(on);
  if (form.Editing.HotLine < 0) {
    state.SkipWithError("the pointer on a line's start did not make it hot");
    return;
  }
  bool odd = false;
  for (auto _ : state) {
    odd = !odd;
    move(hot && odd ? on : away);
    if (hot) QCoreApplication::processEvents();
  }
  state.SetLabel(Lines(form) + (hot ? ", onto a line and off, with the paints" : ", empty space"));
}

void Register(QuilloWindows& w) {
  TJumpForm& f = *w.JumpForm;
  const auto us = benchmark::kMicrosecond;
  benchmark::RegisterBenchmark("SlideTick/in", SlideTick, &f, 1, false)->Unit(us);
  benchmark::RegisterBenchmark("SlideTick/in+paint", SlideTick, &f, 1, true)->Unit(us);
  benchmark::RegisterBenchmark("SlideTick/out", SlideTick, &f, -1, false)->Unit(us);
  benchmark::RegisterBenchmark("SlideTick/out+paint", SlideTick, &f, -1, true)->Unit(us);
  benchmark::RegisterBenchmark("Repaint/home", Repaint, &f, 0)->Unit(us);
  benchmark::RegisterBenchmark("Repaint/Warping", Repaint, &f, 1)->Unit(us);
  benchmark::RegisterBenchmark("MorphSlider/start-up", MorphSlider, &w, 0)->Unit(us);
  benchmark::RegisterBenchmark("MorphSlider/1000", MorphSlider, &w, kMaxLines)->Unit(us);
  benchmark::RegisterBenchmark("MorphHover/1000", MorphHover, &w, kMaxLines, false)->Unit(us);
  benchmark::RegisterBenchmark("MorphHover/1000+paint", MorphHover, &w, kMaxLines, true)->Unit(us);
  benchmark::RegisterBenchmark("MorphHover/start-up+paint", MorphHover, &w, 0, true)->Unit(us);
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
  quillo::Register(scene->windows);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
