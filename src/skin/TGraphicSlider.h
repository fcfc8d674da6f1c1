#pragma once
// The skinned slider: an integer value between a minimum and a maximum.
// This holds the value rules the rest of the program relies on; the skinned
// drawing and dragging build on it.
#include <QWidget>
#include <functional>

namespace quillo {

class TGraphicSlider : public QWidget {
  Q_OBJECT
 public:
  explicit TGraphicSlider(QWidget* parent = nullptr);

  int Min() const { return min_; }
  int Max() const { return max_; }
  int Value() const { return value_; }

  void SetMin(int v);
  void SetMax(int v);
  // Does nothing when v equals the value; otherwise clamps v to Min..Max,
  // stores it, calls OnChange and repaints. The equality test comes first, so
  // asking for a value beyond an end while at that end calls OnChange again.
  void SetValue(int v);

  std::function<void(TGraphicSlider*)> OnChange;

 private:
  int min_ = 0;
  int max_ = 100;
  int value_ = 0;
};

}  // namespace quillo
