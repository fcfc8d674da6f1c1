#pragma once
// The clip art drawn here: cartoon faces in colour and a line drawing, and
// a photograph turned into black and white dots.
#include <QImage>

#include "GemImageWriter.h"

namespace clipartgen {

constexpr int kDrawnSize = 256;

// A clown: white face, red nose, orange tufts, on stripes.
QImage Clown();
// A round yellow face without hair on a sky with rays.
QImage Sunny();
// A face with red hair and freckles on pink.
QImage Redhead();
// A face drawn in black lines on white.
MonoPicture Doodle();
// The picture in black and white dots (error diffusion), the same on every run.
MonoPicture Dithered(const QImage& picture);

}  // namespace clipartgen
