#pragma once
// For measuring start-up: when QUILLO_FIRST_PAINT_STAMP names a file, the
// first call writes the monotonic clock (nanoseconds) into it, so a harness
// that noted the clock before starting the program gets the time to the
// first painted frame. Later calls, and runs without the variable, do nothing.
namespace quillo {

void StampFirstPaint();

}  // namespace quillo
