#pragma once
// The morph screen's controller: holds the morph (pictures, lines, frame)
// and its handlers. It is never shown; the main window lends it its controls.
#include <QWidget>
#include <string>

#include "ScreenHandlers.h"
#include "base/Bitmap.h"
#include "effects/core/MorphModel.h"

namespace quillo {

class MessageBoxes;

class TMorphForm : public QWidget {
  Q_OBJECT
 public:
  explicit TMorphForm(MessageBoxes& messages);

  // The handlers the main window's controls take while this screen is on.
  ScreenHandlers Handlers();

  // Reads the start-up morph and draws its first picture into DisplayBitmap.
  // When the file is missing or damaged the morph is two blank faces without
  // lines, and the error is shown once.
  void LoadStartMorph(const std::string& path);

  // Reads a morph file (bLoadClick) and shows its position 0. The file is
  // checked completely first: on failure quillo::Error is thrown and the
  // current morph stays exactly as it was.
  void LoadMorphFile(const std::string& path);

  // Writes the current morph; a failed save keeps the file that was there.
  void WriteMorphFile(const std::string& path) const;

  // A slider change: computes the frame for position value of max and draws
  // it into DisplayBitmap.
  void ShowFrame(int value, int max);

  // Lines, LineCount, SourceBitmap1, SourceBitmap2 and FrameBitmap.
  MorphModel Morph;
  // The frame or picture 1 at twice its size, shown in the centre box.
  Bitmap DisplayBitmap{290, 290};

 private:
  MessageBoxes& messages_;
};

}  // namespace quillo
