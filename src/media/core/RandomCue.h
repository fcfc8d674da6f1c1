#pragma once
// The hover cues: one of nine, drawn at random but never the one played
// last, so that hovering along the buttons never repeats a sound.
#include <functional>

namespace quillo {

constexpr int kHoverCues = 9;

// The next cue, 1 to 9: n = draw() mod 9 + 1, drawn again while it equals
// `last`. draw gives non-negative numbers.
int NextRandomCue(int last, const std::function<int()>& draw);

}  // namespace quillo
