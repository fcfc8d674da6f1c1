#pragma once
// The Warping and Mirrors screens' part of the main window: the two sliders
// beside the mirror window (brush size and warp scale on Warping, strength
// and mirror choice on Mirrors), the scales on their panels, the timer that
// settles the view, and the state of entering either screen.
#include <QTimer>
#include <functional>
#include <string>

#include "app/core/ScreenHistories.h"
#include "effects/WarpControls.h"

class QPainter;

namespace quillo {

class PictureHolder;
class TGraphicSlider;
class TNonRectPanel;
class TWarpWindow;

// The main window's controls the screens work with.
struct MirrorScreenParts {
  TGraphicSlider* LeftSlider = nullptr;
  TGraphicSlider* RightSlider = nullptr;
  TNonRectPanel* LeftPanel = nullptr;
  TNonRectPanel* RightPanel = nullptr;
  const PictureHolder* Resource = nullptr;  // the skin sheet
  std::function<void(const std::string&)> PlayCue;
  ScreenHistories* Histories = nullptr;  // where the mirror window's changes go
  std::function<int()> CurrentScreen;
};

class MirrorScreen final : public WarpControls {
 public:
  // The settling timer runs from the start; the controls come with Bind.
  MirrorScreen();

  // Takes the controls and gives the sliders and panels their handlers.
  void Bind(const MirrorScreenParts& controls);
  // The mirror window, created after the main window.
  void Attach(TWarpWindow* warpWindow) { warpWindow_ = warpWindow; }

  // The state changes of entering the Warping and Mirrors screens: the mirror
  // window's mode, the sliders' ranges and values, their fresh backgrounds.
  void EnterWarpingState();
  void EnterMirrorsState();

  // Renders the mirror window smoothly 200 ms after the last change.
  QTimer Timer;
  void TimerTimer();

  // The sliders' handlers (MirrorScreen.cpp) and the scales beside them
  // (SliderScales.cpp).
  // On Mirrors a slider's press to its release is one undoable change.
  void LeftSliderMouseDown(int y);
  void LeftSliderMouseMove(int y);
  void SliderMouseUp(TGraphicSlider& slider);
  void LeftSliderChange();
  void LeftSliderPaint(QPainter& canvas);
  void RightSliderMouseDown(int y);
  void RightSliderMouseMove(int y);
  void RightSliderChange();
  void RightSliderPaint(QPainter& canvas);
  void LeftPanelPaint(QPainter& canvas);
  void RightPanelPaint(QPainter& canvas);

  // What the mirror window reads and changes of the sliders and the timer.
  int LeftSliderValue() const override;
  int RightSliderValue() const override;
  void ResetWarpScale() override;
  void PauseSettling() override { Timer.stop(); }
  void RestartSettling() override { Timer.start(); }
  void RestoreSliders(int left, int right) override;
  void Record(std::unique_ptr<UndoStep> step, bool faceOrField) override;

 private:
  // True on the Mirrors screen: the mirror window shows one of the mirrors.
  bool MirrorsMode() const;

  MirrorScreenParts c_;
  TWarpWindow* warpWindow_ = nullptr;
};

}  // namespace quillo
