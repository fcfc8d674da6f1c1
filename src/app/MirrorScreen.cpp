#include "MirrorScreen.h"

#include <QPainter>

#include "effects/TWarpWindow.h"
#include "effects/core/MirrorSliders.h"
#include "io/core/DataFiles.h"
#include "io/core/Folders.h"
#include "skin/BitmapImage.h"
#include "skin/ConnectHandler.h"
#include "skin/TGraphicSlider.h"
#include "skin/TNonRectPanel.h"
#include "skin/core/CellPicture.h"
#include "skin/core/PictureHolder.h"
#include "skin/core/SkinLayout.h"

namespace quillo {

namespace {

// A sheet cell as an image whose pixels of the colour of its lower-left
// pixel are clear.
QImage KeyedOnLowerLeft(const Bitmap& cell) {
  QImage image(cell.Width(), cell.Height(), QImage::Format_ARGB32);
  if (cell.Empty()) return image;
  const Pixel key = ColourBits(cell.At(0, cell.Height() - 1));
  for (int y = 0; y < cell.Height(); ++y) {
    auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < cell.Width(); ++x) {
      const Pixel p = ColourBits(cell.At(x, y));
      out[x] = p == key ? 0u : 0xFF000000u | p;
    }
  }
  return image;
}

// Draws a slider's thumb frame from the skin sheet where its placement says.
void DrawThumb(QPainter& canvas, const Bitmap& sheet, const ThumbPlacement& t) {
  canvas.drawImage(t.x, t.y,
                   KeyedOnLowerLeft(CutCell(sheet, t.cell, t.cell.Width(), t.cell.Height())));
}

}  // namespace

MirrorScreen::MirrorScreen() {
  Timer.setInterval(200);
  ConnectHandler(&Timer, &QTimer::timeout, &Timer, [this] { TimerTimer(); });
}

void MirrorScreen::Bind(const MirrorScreenParts& controls) {
  c_ = controls;
  c_.LeftSlider->OnMouseDown = [this](TGraphicButton*, Qt::MouseButton, Qt::KeyboardModifiers, int,
                                      int y) { LeftSliderMouseDown(y); };
  c_.LeftSlider->OnMouseMove = [this](TGraphicButton*, Qt::KeyboardModifiers, int, int y) {
    LeftSliderMouseMove(y);
  };
  c_.LeftSlider->OnMouseUp = [this](TGraphicButton*, Qt::MouseButton, Qt::KeyboardModifiers, int,
                                    int) { SliderMouseUp(*c_.LeftSlider); };
  c_.LeftSlider->OnChange = [this](TGraphicSlider*) { LeftSliderChange(); };
  c_.LeftSlider->OnPaint = [this](QWidget*, QPainter& canvas) { LeftSliderPaint(canvas); };
  c_.RightSlider->OnMouseDown = [this](TGraphicButton*, Qt::MouseButton, Qt::KeyboardModifiers, int,
                                       int y) { RightSliderMouseDown(y); };
  c_.RightSlider->OnMouseMove = [this](TGraphicButton*, Qt::KeyboardModifiers, int, int y) {
    RightSliderMouseMove(y);
  };
  c_.RightSlider->OnMouseUp = [this](TGraphicButton*, Qt::MouseButton, Qt::KeyboardModifiers, int,
                                     int) { SliderMouseUp(*c_.RightSlider); };
  c_.RightSlider->OnChange = [this](TGraphicSlider*) { RightSliderChange(); };
  c_.RightSlider->OnPaint = [this](QWidget*, QPainter& canvas) { RightSliderPaint(canvas); };
  c_.LeftPanel->OnPaint = [this](QWidget*, QPainter& canvas) { LeftPanelPaint(canvas); };
  c_.RightPanel->OnPaint = [this](QWidget*, QPainter& canvas) { RightPanelPaint(canvas); };
}

bool MirrorScreen::MirrorsMode() const {
  return warpWindow_ && warpWindow_->Model().Tag() > WarpField;
}

void MirrorScreen::EnterWarpingState() {
  warpWindow_->Model().SetMode(WarpField);
  c_.LeftSlider->ClearBackground();
  c_.RightSlider->ClearBackground();
  c_.LeftSlider->SetMin(0);
  c_.LeftSlider->SetValue(7);
  c_.LeftPanel->update();
  c_.RightPanel->update();
}

void MirrorScreen::EnterMirrorsState() {
  c_.LeftSlider->SetMin(-10);
  c_.LeftSlider->SetValue(5);
  c_.RightSlider->SetValue(10);
  warpWindow_->Model().SetMode(Horizontal);
  c_.LeftSlider->ClearBackground();
  c_.RightSlider->ClearBackground();
  warpWindow_->Model().SetCenter(160, 160);
  c_.LeftPanel->update();
  c_.RightPanel->update();
}

void MirrorScreen::SliderMouseUp(TGraphicSlider& slider) {
  const bool pressed = slider.Tag == 1;
  slider.Tag = 0;
  if (pressed && MirrorsMode()) warpWindow_->EndChange();
}

void MirrorScreen::LeftSliderMouseDown(int y) {
  c_.PlayCue(DataFile(kLeftSliderSound));
  c_.LeftSlider->Tag = 1;
  if (MirrorsMode()) warpWindow_->BeginChange();
  const int h = c_.LeftSlider->height();
  c_.LeftSlider->SetValue(MirrorsMode() ? StrengthSliderValueAt(y, h) : WarpSliderValueAt(y, h));
}

void MirrorScreen::LeftSliderMouseMove(int y) {
  if (c_.LeftSlider->Tag != 1) return;
  const int h = c_.LeftSlider->height();
  if (!MirrorsMode()) {
    c_.LeftSlider->SetValue(WarpSliderValueAt(y, h));
    return;
  }
  Timer.stop();
  c_.LeftSlider->repaint();
  warpWindow_->Model().SetSmooth(false);
  c_.LeftSlider->SetValue(StrengthSliderValueAt(y, h));
  Timer.start();
}

void MirrorScreen::LeftSliderChange() {
  if (!warpWindow_) return;
  warpWindow_->Model().SetBrushRadius(BrushRadiusOf(c_.LeftSlider->Value()));
  if (!MirrorsMode()) return;
  c_.LeftSlider->repaint();
  warpWindow_->repaint();
}

void MirrorScreen::RightSliderMouseDown(int y) {
  c_.PlayCue(DataFile(kRightSliderSound));
  c_.RightSlider->Tag = 1;
  if (MirrorsMode()) warpWindow_->BeginChange();
  RightSliderMouseMove(y);
}

void MirrorScreen::RightSliderMouseMove(int y) {
  if (c_.RightSlider->Tag != 1) return;
  const int h = c_.RightSlider->height();
  if (!MirrorsMode()) {
    c_.RightSlider->SetValue(WarpSliderValueAt(y, h));
  } else if (const auto snapped = MirrorSliderValueAt(y, h)) {
    c_.RightSlider->SetValue(*snapped);
  }
}

void MirrorScreen::RightSliderChange() {
  if (!warpWindow_) return;
  WarpModel& model = warpWindow_->Model();
  if (MirrorsMode()) {
    model.SetMode(MirrorOfSlider(c_.RightSlider->Value()));
    model.SetCenter(160, 160);
  }
  Timer.stop();
  model.SetSmooth(false);
  c_.RightSlider->repaint();
  warpWindow_->Invalidate();
  Timer.start();
}

int MirrorScreen::LeftSliderValue() const {
  return c_.LeftSlider->Value();
}

int MirrorScreen::RightSliderValue() const {
  return c_.RightSlider->Value();
}

void MirrorScreen::ResetWarpScale() {
  c_.RightSlider->SetValue(10);
}

void MirrorScreen::RestoreSliders(int left, int right) {
  c_.LeftSlider->SetValue(left);
  c_.RightSlider->SetValue(right);
  // The mirror's icons follow the mirror, which the caller sets next.
  c_.LeftSlider->update();
  c_.RightSlider->update();
}

void MirrorScreen::Record(std::unique_ptr<UndoStep> step, bool faceOrField) {
  if (c_.Histories)
    c_.Histories->Record(c_.CurrentScreen ? c_.CurrentScreen() : 1, std::move(step), faceOrField);
}

void MirrorScreen::TimerTimer() {
  Timer.stop();
  if (!warpWindow_) return;
  warpWindow_->Model().SetSmooth(true);
  warpWindow_->repaint();
}

void MirrorScreen::LeftSliderPaint(QPainter& canvas) {
  if (!c_.Resource->HasPicture()) return;
  DrawThumb(canvas, c_.Resource->Picture(),
            LeftThumbPlacement(c_.LeftSlider->Value(), c_.LeftSlider->height(), MirrorsMode()));
}

void MirrorScreen::RightSliderPaint(QPainter& canvas) {
  if (!c_.Resource->HasPicture()) return;
  if (MirrorsMode()) {
    const int chosen = warpWindow_->Model().Tag();
    for (int i = 0; i < static_cast<int>(kMirrorIcons.size()); ++i) {
      const MirrorIcon& icon = kMirrorIcons[i];
      const Rect r = icon.Cell(i + 1 == chosen);
      canvas.drawImage(icon.sliderX, icon.sliderY,
                       ToImage(CutCell(c_.Resource->Picture(), r, r.Width(), r.Height())));
    }
  }
  DrawThumb(canvas, c_.Resource->Picture(),
            RightThumbPlacement(c_.RightSlider->Value(), c_.RightSlider->height()));
}

}  // namespace quillo
