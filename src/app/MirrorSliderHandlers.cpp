// The main window's two sliders beside the mirror window: brush size and warp
// scale on the Warping screen, strength and mirror choice on the Mirrors
// screen; their thumbs and the settling of the view.
#include <QPainter>

#include "TJumpForm.h"
#include "effects/TWarpWindow.h"
#include "effects/core/MirrorSliders.h"
#include "io/core/DataFiles.h"
#include "io/core/Folders.h"
#include "skin/BitmapImage.h"
#include "skin/TGraphicSlider.h"
#include "skin/TNonRectPanel.h"
#include "skin/core/CellPicture.h"
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

void TJumpForm::BindMirrorSliders() {
  Timer.setInterval(200);
  connect(&Timer, &QTimer::timeout, this, [this] { TimerTimer(); });
  LeftSlider->OnMouseDown = [this](TGraphicButton*, Qt::MouseButton, Qt::KeyboardModifiers, int,
                                   int y) { LeftSliderMouseDown(y); };
  LeftSlider->OnMouseMove = [this](TGraphicButton*, Qt::KeyboardModifiers, int, int y) {
    LeftSliderMouseMove(y);
  };
  LeftSlider->OnMouseUp = [](TGraphicButton* b, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
    b->Tag = 0;
  };
  LeftSlider->OnChange = [this](TGraphicSlider*) { LeftSliderChange(); };
  LeftSlider->OnPaint = [this](QWidget*, QPainter& canvas) { LeftSliderPaint(canvas); };
  RightSlider->OnMouseDown = [this](TGraphicButton*, Qt::MouseButton, Qt::KeyboardModifiers, int,
                                    int y) { RightSliderMouseDown(y); };
  RightSlider->OnMouseMove = [this](TGraphicButton*, Qt::KeyboardModifiers, int, int y) {
    RightSliderMouseMove(y);
  };
  RightSlider->OnMouseUp = [](TGraphicButton* b, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
    b->Tag = 0;
  };
  RightSlider->OnChange = [this](TGraphicSlider*) { RightSliderChange(); };
  RightSlider->OnPaint = [this](QWidget*, QPainter& canvas) { RightSliderPaint(canvas); };
  LeftPanel->OnPaint = [this](QWidget*, QPainter& canvas) { LeftPanelPaint(canvas); };
  RightPanel->OnPaint = [this](QWidget*, QPainter& canvas) { RightPanelPaint(canvas); };
}

bool TJumpForm::MirrorsMode() const {
  return warpWindow_ && warpWindow_->Model().Tag > WarpField;
}

void TJumpForm::EnterWarpingState() {
  warpWindow_->Model().Tag = WarpField;
  LeftSlider->ClearBackground();
  RightSlider->ClearBackground();
  LeftSlider->SetMin(0);
  LeftSlider->SetValue(7);
  LeftPanel->update();
  RightPanel->update();
}

void TJumpForm::EnterMirrorsState() {
  LeftSlider->SetMin(-10);
  LeftSlider->SetValue(5);
  RightSlider->SetValue(10);
  warpWindow_->Model().Tag = Horizontal;
  LeftSlider->ClearBackground();
  RightSlider->ClearBackground();
  warpWindow_->Model().CenterX = 160;
  warpWindow_->Model().CenterY = 160;
  LeftPanel->update();
  RightPanel->update();
}

void TJumpForm::LeftSliderMouseDown(int y) {
  PlayCue(DataFile(kLeftSliderSound));
  LeftSlider->Tag = 1;
  const int h = LeftSlider->height();
  LeftSlider->SetValue(MirrorsMode() ? StrengthSliderValueAt(y, h) : WarpSliderValueAt(y, h));
}

void TJumpForm::LeftSliderMouseMove(int y) {
  if (LeftSlider->Tag != 1) return;
  const int h = LeftSlider->height();
  if (!MirrorsMode()) {
    LeftSlider->SetValue(WarpSliderValueAt(y, h));
    return;
  }
  Timer.stop();
  LeftSlider->repaint();
  warpWindow_->Model().Smooth = false;
  LeftSlider->SetValue(StrengthSliderValueAt(y, h));
  Timer.start();
}

void TJumpForm::LeftSliderChange() {
  if (!warpWindow_) return;
  warpWindow_->Model().BrushRadius = BrushRadiusOf(LeftSlider->Value());
  if (!MirrorsMode()) return;
  LeftSlider->repaint();
  warpWindow_->repaint();
}

void TJumpForm::RightSliderMouseDown(int y) {
  PlayCue(DataFile(kRightSliderSound));
  RightSlider->Tag = 1;
  RightSliderMouseMove(y);
}

void TJumpForm::RightSliderMouseMove(int y) {
  if (RightSlider->Tag != 1) return;
  const int h = RightSlider->height();
  if (!MirrorsMode()) {
    RightSlider->SetValue(WarpSliderValueAt(y, h));
  } else if (const auto snapped = MirrorSliderValueAt(y, h)) {
    RightSlider->SetValue(*snapped);
  }
}

void TJumpForm::RightSliderChange() {
  if (!warpWindow_) return;
  WarpModel& model = warpWindow_->Model();
  if (MirrorsMode()) {
    model.Tag = MirrorOfSlider(RightSlider->Value());
    model.CenterX = 160;
    model.CenterY = 160;
  }
  Timer.stop();
  model.Smooth = false;
  RightSlider->repaint();
  warpWindow_->Invalidate();
  Timer.start();
}

void TJumpForm::TimerTimer() {
  Timer.stop();
  if (!warpWindow_) return;
  warpWindow_->Model().Smooth = true;
  warpWindow_->repaint();
}

void TJumpForm::LeftSliderPaint(QPainter& canvas) {
  if (!Resource.HasPicture()) return;
  DrawThumb(canvas, Resource.Picture(),
            LeftThumbPlacement(LeftSlider->Value(), LeftSlider->height(), MirrorsMode()));
}

void TJumpForm::RightSliderPaint(QPainter& canvas) {
  if (!Resource.HasPicture()) return;
  if (MirrorsMode()) {
    const int chosen = warpWindow_->Model().Tag;
    for (int i = 0; i < static_cast<int>(kMirrorIcons.size()); ++i) {
      const MirrorIcon& icon = kMirrorIcons[i];
      const Rect r = icon.Cell(i + 1 == chosen);
      canvas.drawImage(icon.sliderX, icon.sliderY,
                       ToImage(CutCell(Resource.Picture(), r, r.Width(), r.Height())));
    }
  }
  DrawThumb(canvas, Resource.Picture(),
            RightThumbPlacement(RightSlider->Value(), RightSlider->height()));
}

}  // namespace quillo
