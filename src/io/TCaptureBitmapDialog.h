#pragma once
// The camera dialog "Capture Image": previews a capture device, lets the user
// choose the driver, its input and format, freeze the picture, and take the
// current frame with OK into CapturedBitmap. Created once at start-up.
#include "TVidcap.h"
#include "base/Bitmap.h"
#include "skin/ModalWindow.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace quillo {

class TCaptureBitmapDialog : public ModalWindow {
  Q_OBJECT
 public:
  TCaptureBitmapDialog();

  Bitmap CapturedBitmap;

  TVidcap* Vidcap = nullptr;
  QComboBox* DriverComboBox = nullptr;
  QPushButton* Source = nullptr;
  QPushButton* Format = nullptr;
  QPushButton* Display = nullptr;
  QCheckBox* Freeze = nullptr;
  QCheckBox* Stretch = nullptr;
  QPushButton* OK = nullptr;
  QPushButton* Cancel = nullptr;

  void DriverComboBoxChange();
  void SourceClick();
  void FormatClick();
  void DisplayClick();
  void FreezeClick();
  void StretchClick();
  void OKClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace quillo
