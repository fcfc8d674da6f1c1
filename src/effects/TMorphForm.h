#pragma once
// The morph screen's controller: holds the morph (pictures, lines, frame)
// and its handlers. It is never shown; the main window lends it its controls
// on the Morphing screen, and the handlers draw on and read those controls.
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "ScreenHandlers.h"
#include "base/Bitmap.h"
#include "effects/core/LineEditing.h"
#include "effects/core/MorphModel.h"
#include "effects/core/MorphSteps.h"

namespace quillo {

class FaceFinder;
class FileChoosers;
class MessageBoxes;
class TGraphicSlider;
class TOpenForm;
class TOpenMorphForm;
class TPaintBox;
class TSaveForm;

// What the handlers use of the other windows: the main window's controls and
// the dialogs, all created after this object.
struct MorphScreenParts {
  TPaintBox& PaintBox;   // the centre box, 290 x 290
  TPaintBox& PaintBox1;  // picture 1, 145 x 145
  TPaintBox& PaintBox2;  // picture 2
  TGraphicSlider& TrackBar;
  TOpenForm& OpenForm;
  TOpenMorphForm& OpenMorphForm;
  TSaveForm& SaveForm;
  FileChoosers& files;
  // Takes each undoable change into the screen's history.
  std::function<void(std::unique_ptr<UndoStep>)> Record;
};

class TMorphForm : public QWidget {
  Q_OBJECT
 public:
  // faces finds the faces of the automatic lines; without it they are unavailable.
  explicit TMorphForm(MessageBoxes& messages, FaceFinder* faces = nullptr);

  // Gives the handlers the controls and dialogs they work with; the three
  // boxes paint their whole area, and the small ones hear the pointer also
  // while no button is held. The handlers do nothing before this.
  void Attach(const MorphScreenParts& parts);

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

  // The handlers (MorphLineHandlers.cpp): the small boxes show their picture
  // with the lines, the mouse edits the lines; the centre box shows
  // DisplayBitmap.
  void PaintBox1Paint(QPainter& canvas) const;
  void PaintBox2Paint(QPainter& canvas) const;
  void PaintBoxPaint(QPainter& canvas) const;
  void PaintBoxMouseDown(TPaintBox* sender, Qt::MouseButton button, int x, int y);
  void PaintBoxMouseMove(TPaintBox* sender, int x, int y);
  void PaintBoxMouseUp();
  // Recomputes the frame for the slider's position and shows it at once.
  void TrackBarChange();

  // The dialogs (MorphLoadSave.cpp): a new picture 1 or 2 (all lines go), a
  // morph file from the start folder or the clip-art folder, and the save
  // dialog with the morph file, the view and the video.
  void Load1Click();
  void Load2Click();
  void bLoadClick();
  void bSaveClick();
  // The save dialog's frame: the slider moved to the position in its Tag.
  void ShowFrameForSave();

  // Ctrl+L (MorphAutoLines.cpp): finds both faces and puts matching lines on
  // their features in place of all lines, as one undoable step. Where a
  // picture holds no face, quillo::Error says which, and nothing changes.
  void PlaceAutomaticLines();

  // Lines, LineCount, SourceBitmap1, SourceBitmap2 and FrameBitmap.
  MorphModel Morph;
  // HotLine, DragHandle and Drawing.
  LineEditing Editing;
  // The frame or picture 1 at twice its size, shown in the centre box.
  Bitmap DisplayBitmap{290, 290};

 private:
  void LoadFace(MorphPicture face);
  // The picture fitted into the face; every line goes.
  void PutFace(MorphPicture face, const Bitmap& picture);
  // Reads a morph file (all or nothing) and shows its position 0.
  void OpenMorph(const std::string& path);
  // A picture or morph file dropped on a face's box; a morph file on the centre.
  PaintBoxDrop FaceDrop(MorphPicture face);
  PaintBoxDrop MorphFileDrop();
  // Idle editing with no hot line, after the lines were replaced or cleared.
  void LinesReplaced();
  std::optional<MorphLine> HotLineNow() const;
  void Repaint(EditOutcome boxes, const std::optional<MorphLine>& before);
  // With all lines in use, the small boxes' hint says so.
  void UpdateHints();

  // A change (a face, a morph file) as one undoable step; a line's edit
  // runs from its press to its release.
  void Recorded(const std::function<void()>& change);
  void EndRecording();
  // Shows a restored morph: the slider at its position, the frame computed
  // afresh when asked, the lines redrawn.
  void ShowRestored(int position, bool recompute);

  MessageBoxes& messages_;
  FaceFinder* faces_;
  std::optional<MorphScreenParts> parts_;
  MorphRecorder recorder_;
};

}  // namespace quillo
