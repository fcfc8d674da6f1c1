#pragma once
// The skinned push button: it shows one cell of the skin sheet, blended over
// what lies behind it with a variable transparency, optionally with a centred
// caption. It paints like a windowless control: what its parent shows under
// it (the parent's own painting and the earlier siblings that overlap it) is
// captured once into a background snapshot, which stays until the button
// moves or resizes or an owner empties it.
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "TPaintBitmap.h"
#include "base/Bitmap.h"
#include "skin/core/ButtonTimer.h"
#include "skin/core/TGraphicResource.h"

namespace quillo {

class TGraphicButton : public QWidget {
  Q_OBJECT
 public:
  explicit TGraphicButton(QWidget* parent = nullptr);
  ~TGraphicButton() override;

  // The cell descriptor; its changes repaint the button.
  TGraphicResource Resource;

  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  int Transparency() const { return transparency_; }
  // Compares first; otherwise stops a fade, clamps to 0..100 and repaints.
  void SetTransparency(int value);
  // Auto-repeat of a held left press, in milliseconds; 0 for none.
  int TimerMouseDown = 0;
  int Tag = 0;

  // Cycles the cells first..last every interval milliseconds.
  void AnimateState(int first, int last, int interval);
  // Fades the transparency from `from` to `to` by |step| every 50 ms.
  void AnimateTransparency(int from, int to, int step);
  void StopAnimate();

  std::function<void(TGraphicButton*)> OnClick;
  std::function<void(TGraphicButton*)> OnMouseEnter;
  std::function<void(TGraphicButton*)> OnMouseLeave;
  std::function<void(TGraphicButton*, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)>
      OnMouseDown;
  std::function<void(TGraphicButton*, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)>
      OnMouseUp;
  std::function<void(TGraphicButton*, Qt::KeyboardModifiers, int x, int y)> OnMouseMove;
  TPaintBitmap OnPaint;

  // The background snapshot; owners that change what lies behind the button
  // empty it, and the next paint captures it afresh.
  const Bitmap& Background() const { return background_; }
  void ClearBackground() { background_ = Bitmap(); }

  // The picture the button shows now: what painting draws.
  virtual Bitmap Compose();

  // The timer, and one expiry of it (tests drive it without waiting).
  const ButtonTimer& Timer() const { return timer_; }
  void TimerTick();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

  // Captures what the parent shows under the button when the snapshot is empty.
  void EnsureBackground();
  // The sheet's picture, or null without a holder or picture.
  const Bitmap* Sheet() const;
  // True when the sheet carries an alpha byte to blend with.
  bool SheetHasAlpha() const;
  // Draws the caption centred into a picture of the given size.
  void DrawCaption(Bitmap& picture) const;
  // Runs the user's paint callback on a picture.
  void CallOnPaint(Bitmap& picture);

 private:
  void RunTimer();

  QString caption_;
  int transparency_ = 0;
  Bitmap background_;
  ButtonTimer timer_;
  QTimer ticker_;
};

}  // namespace quillo
