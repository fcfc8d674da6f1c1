#pragma once
// The main window: a frameless 640 x 480 window whose whole look comes from
// its art. Its client area, inside a 5-pixel frame, holds every control.
#include <QWidget>

#include "ShadowLabel.h"
#include "base/Bitmap.h"

namespace quillo {

struct Services;
class TBlendForm;
class TGraphicSlider;
class TMorphForm;
class TWarpWindow;

class TJumpForm : public QWidget {
  Q_OBJECT
 public:
  // Runs the create handler: fixes the program and start folders and the size.
  explicit TJumpForm(Services& services);
  ~TJumpForm() override;

  // The windows the show handler works with, created after this one.
  void Attach(TWarpWindow* warpWindow, TBlendForm* blendForm, TMorphForm* morphForm);

  // The parent of every control: the inner 630 x 470 client area.
  QWidget* Client() const { return client_; }

  // Plays a sound cue (never fails).
  void PlayCue(const std::string& path);

  Bitmap BackgroundBitmap;
  Bitmap StartPicture;
  Bitmap Resource;  // the skin sheet every skinned control draws from
  int CurrentScreen = 0;
  TGraphicSlider* LeftSlider = nullptr;
  TGraphicSlider* RightSlider = nullptr;
  ShadowLabel RxLabel5;  // the title

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void FormCreate();
  void FormShow();
  void FormDestroy();

  Services& services_;
  QWidget* client_ = nullptr;
  TWarpWindow* warpWindow_ = nullptr;
  TBlendForm* blendForm_ = nullptr;
  TMorphForm* morphForm_ = nullptr;
  bool shown_ = false;
};

}  // namespace quillo
