#pragma once
// The frames of an effect's video: the effect grows from 0 to 100 in steps of
// 4 and shrinks back, 52 frames at 15 frames per second (about 3.5 seconds),
// starting and ending on position 0, with position 100 twice in a row.
#include <functional>

namespace quillo {

inline constexpr int kVideoFramesPerSecond = 15;
inline constexpr int kVideoFrameCount = 52;

// Calls write(position) for each frame in order. A failed write (false)
// during the rising run ends it and the falling run begins at 100; a failed
// one during the falling run ends the writing. Returns how many succeeded.
int RunVideoFrames(const std::function<bool(int position)>& write);

}  // namespace quillo
