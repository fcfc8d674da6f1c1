#pragma once
// What the source dialogs take from the main window, which lies above them
// in the layers: its window (for their place and the art's alignment), its
// art, its exit button (hidden while a dialog covers it), its skin sheet
// (the buttons' cells) and its sound cues.
#include <functional>
#include <string>

#include "base/Bitmap.h"

class QWidget;

namespace quillo {

class PictureHolder;

struct DialogHost {
  QWidget& mainWindow;
  const Bitmap& backgroundBitmap;
  QWidget& exitButton;
  const PictureHolder& skinSheet;
  // Plays a cue by its full path, or a random hover cue for "random".
  std::function<void(const std::string& name)> playCue;
};

}  // namespace quillo
