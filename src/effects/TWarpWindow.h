#pragma once
// The elliptic mirror window: a borderless child of the main window that
// shows the face through the warp field or one of the mirrors. It renders
// exactly the part that needs painting, with the sliders' current values.
#include <QWidget>

#include "WarpControls.h"
#include "core/WarpModel.h"
#include "core/WarpSteps.h"

namespace quillo {

class TWarpWindow : public QWidget {
  Q_OBJECT
 public:
  // The sliders and the settling timer are the main window's, reached
  // through controls; the renderer reads the sliders on every paint.
  TWarpWindow(QWidget* mainWindow, WarpControls& controls);

  // Installs a new face, sets the right slider to 10 and repaints; one
  // undoable step.
  void SetFacePicture(const Bitmap& picture);

  // A change of the sliders (a mirror or strength chosen) as one undoable
  // step: begun at the slider's press, ended at its release.
  void BeginChange();
  void EndChange();
  // The sliders, the mirror and its centre as they stand, and put back with
  // a fresh render (the smooth view once it settles).
  MirrorSettings Settings() const;
  void ApplySettings(const MirrorSettings& settings);

  // Renders a rectangle of the view; UseSliderValue takes a slider instead.
  void RenderDistorted(Rect rect, SliderOrValue warpScale, SliderOrValue mirrorStrength);

  // The whole frame at p percent of the current distortion, bilinear, into
  // ViewBitmap (the save dialog's frames).
  void RenderForSave(int percent);

  // Marks the whole view for repainting when the event loop comes to it.
  void Invalidate();

  // The mouse: in Warping mode a drag smears the face, in Mirrors mode it
  // moves the mirror's centre.
  void FormMouseDown(int x, int y);
  void FormMouseMove(int x, int y);
  void FormMouseUp();

  WarpModel& Model() { return model_; }
  const WarpModel& Model() const { return model_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // A dropped picture file becomes the face, as the Load tab would make it.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  WarpModel model_;
  WarpControls& controls_;
  MirrorWindowRecorder recorder_;
  bool pending_ = false;  // invalidated and not yet repainted
};

}  // namespace quillo
