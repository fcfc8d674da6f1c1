#pragma once
// The skinned slider: a graphic button holding an integer value between Min
// and Max, shown as a thumb cell blended over the slider's background at the
// place of the value and dragged with the left button. A slider narrower than
// high is vertical (Max at the top), otherwise horizontal (Min at the left).
#include "TGraphicButton.h"
#include "skin/core/SliderGeometry.h"

namespace quillo {

class TGraphicSlider : public TGraphicButton {
  Q_OBJECT
 public:
  explicit TGraphicSlider(QWidget* parent = nullptr);

  int Min() const { return min_; }
  int Max() const { return max_; }
  int Value() const { return value_; }

  // Store and repaint on a change; the value is not clamped again.
  void SetMin(int v);
  void SetMax(int v);
  // Does nothing when v equals the value; otherwise clamps v to Min..Max,
  // stores it, calls OnChange and repaints. The equality test comes first, so
  // asking for a value beyond an end while at that end calls OnChange again.
  void SetValue(int v);

  // The thumb rectangle in the slider's pixels.
  Rect GetValueRect() const;
  bool Dragging() const { return dragging_; }

  std::function<void(TGraphicSlider*)> OnChange;

  // Background, OnPaint, then the thumb blended pixel by pixel.
  Bitmap Compose() override;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  SliderShape Shape() const;
  void Drag(QMouseEvent* event, QPoint at);

  int min_ = 0;
  int max_ = 100;
  int value_ = 0;
  bool dragging_ = false;
};

}  // namespace quillo
