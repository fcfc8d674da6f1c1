#pragma once
// The blend screen's controller: holds the two faces and the blend picture
// and the handlers the main window lends its controls on the Blending
// screen. It is never shown; the handlers draw on and read those controls.
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "ScreenHandlers.h"
#include "base/Bitmap.h"
#include "effects/core/BlendModel.h"
#include "effects/core/BlendSteps.h"

namespace quillo {

class TOpenForm;
class TPaintBox;
class TSaveForm;

// What the handlers use of the other windows: the main window's three boxes
// and the dialogs, all created after this object.
struct BlendScreenParts {
  TPaintBox& PaintBox;   // the blend picture, 290 x 290; its Tag is the base face
  TPaintBox& PaintBox1;  // the left face, 145 x 145
  TPaintBox& PaintBox2;  // the right face
  TOpenForm& OpenForm;
  TSaveForm& SaveForm;
  // Takes each undoable change into the screen's history.
  std::function<void(std::unique_ptr<UndoStep>)> Record;
};

class TBlendForm : public QWidget {
  Q_OBJECT
 public:
  TBlendForm() = default;

  // Gives the handlers the controls and dialogs they work with, and makes
  // the three boxes paint their whole area. The handlers do nothing before.
  void Attach(const BlendScreenParts& parts);

  // The handlers the main window's controls take while this screen is on.
  ScreenHandlers Handlers();

  // Loads the two default faces and starts the blend picture from the left
  // one. A face file of another size is fitted into 290 x 290 as a loaded
  // picture would be, so the faces always have the blend picture's size.
  void LoadDefaultFaces(const std::string& leftPath, const std::string& rightPath);

  // The small boxes (BlendFaces.cpp): a face with its anchor marked when it
  // is the selected one; a press there moves the anchor to that face, a
  // double-click starts the blend picture afresh from it.
  void PaintBox1Paint(QWidget* sender, QPainter& canvas) const;
  void PaintBox2Paint(QWidget* sender, QPainter& canvas) const;
  void PaintBox1MouseDown(int x, int y);
  void PaintBox2MouseDown(int x, int y);
  void PaintBox1DblClick();
  void PaintBox2DblClick();

  // The blend picture (BlendPainting.cpp). `shift` holds the mouse buttons
  // down (the pressed one included): with the left one the selected face is
  // cloned with the anchor at the press, with the right one the base face
  // is blended back in place.
  void PaintBoxPaint(QPainter& canvas) const;
  void PaintBoxMouseDown(Qt::MouseButtons shift, int x, int y);
  void PaintBoxMouseMove(Qt::MouseButtons shift, int x, int y);
  void PaintBoxMouseUp();

  // The dialogs (BlendLoadSave.cpp): a new left or right face, a new blend
  // picture, and the save dialog with a copy of the blend picture whose
  // video is the cross-fade from the left face.
  void Load1Click();
  void Load2Click();
  void bLoadClick();
  void bSaveClick();
  // The save dialog's frame at the percentage in its Tag, into its SaveBitmap.
  void RenderBlendForSave(TSaveForm& sender) const;

  // BlendBitmap, LeftFace, RightFace, AnchorX, AnchorY, SelectedFace,
  // PressX, PressY and Painting.
  BlendModel Blend;

 private:
  void ChooseAnchor(int face, int x, int y);
  void Restart(int face);
  void LoadInto(BlendPicture picture, TPaintBox& shownIn);
  // The source fitted into the picture, which its box then shows.
  void PutPicture(BlendPicture picture, TPaintBox& shownIn, const Bitmap& source);
  // A picture file dropped on the box loads into the picture.
  PaintBoxDrop PictureDrop(BlendPicture picture, TPaintBox& shownIn);
  // One dab of the brush at (x, y) with the buttons in `shift`.
  void Dab(Qt::MouseButtons shift, int x, int y);

  // A change (a restart, a load) as one undoable step; the stroke's step
  // runs from its press to its release.
  void Recorded(const std::function<void()>& change);
  void EndRecording();
  int BaseFace() const;
  // Puts a recorded base face back and shows the restored pictures.
  void ShowRestored(int baseFace);

  std::optional<BlendScreenParts> parts_;
  BlendRecorder recorder_;
  // The buttons held over the blend picture: its box tells the presses and
  // releases, its moves carry only the keys.
  Qt::MouseButtons held_;
};

}  // namespace quillo
