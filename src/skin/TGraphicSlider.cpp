#include "TGraphicSlider.h"

#include <algorithm>

#include "base/Handler.h"

namespace quillo {

TGraphicSlider::TGraphicSlider(QWidget* parent) : QWidget(parent) {}

void TGraphicSlider::SetMin(int v) {
  if (v == min_) return;
  min_ = v;
  update();
}

void TGraphicSlider::SetMax(int v) {
  if (v == max_) return;
  max_ = v;
  update();
}

void TGraphicSlider::SetValue(int v) {
  if (v == value_) return;
  value_ = std::min(std::max(v, min_), max_);
  if (OnChange) RunHandler([this] { OnChange(this); });
  update();
}

}  // namespace quillo
