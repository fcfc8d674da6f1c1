#pragma once
// Where the mirror sliders' thumbs travel. The program draws frame k of a
// thumb at x = offset[k] and y = (slider height - 29) * k / 10 in its slider,
// so the knobs follow a slight curve; the panels carve their grooves along it.
#include <QPointF>
#include <array>

#include "skin/core/SkinLayout.h"

namespace art {

inline constexpr std::array<int, quillo::kThumbFrames> kLeftThumbX = {6, 6, 6, 2, 1, 0,
                                                                      0, 1, 2, 4, 7};
inline constexpr std::array<int, quillo::kThumbFrames> kRightThumbX = {2, 2, 2, 4, 7, 7,
                                                                       7, 6, 5, 2, 0};

// The knob's centre inside a thumb frame: the left slider's knob sits at the
// frame's right end and points left at the scale, the right one the other way.
inline constexpr QPointF kLeftKnob(46.5, 14.5);
inline constexpr QPointF kRightKnob(12.5, 14.5);
inline constexpr double kKnobRadius = 10.5;

// The knob's centre in slider pixels for frame k.
inline QPointF KnobInSlider(bool left, int k, int sliderHeight) {
  const int x = left ? kLeftThumbX[k] : kRightThumbX[k];
  const int y = (sliderHeight - quillo::kThumbHeight) * k / 10;
  return QPointF(x, y) + (left ? kLeftKnob : kRightKnob);
}

}  // namespace art
