#pragma once
// The picture source dialog: obtains a face from a file, the clipboard, the
// scanner, the camera or the clip-art folder. Created once at start-up and
// shown modally over the main window's picture area; on OK the face waits in
// ResultPicture for the caller.
#include <QTimer>
#include <string>

#include "ArtDialog.h"
#include "base/Bitmap.h"

namespace quillo {

class Clipboard;
class FileChoosers;
class Scanner;
class TCaptureBitmapDialog;

class TOpenForm : public ArtDialog {
  Q_OBJECT
 public:
  TOpenForm(const DialogHost& host, FileChoosers& choosers, Scanner& scanner, Clipboard& clipboard);
  // The camera dialog, created after this one at start-up.
  void AttachCamera(TCaptureBitmapDialog& camera) { camera_ = &camera; }

  Bitmap ResultPicture;

  TGraphicButton* bClipboard = nullptr;
  TGraphicButton* bClipart = nullptr;
  TGraphicButton* bCamera = nullptr;
  TGraphicButton* bFile = nullptr;
  TGraphicButton* bTWAIN = nullptr;
  TGraphicButton* bCancel = nullptr;

  // Re-checks the clipboard every 250 ms for as long as the dialog lives.
  QTimer Timer;
  void TimerTimer();

  void bFileClick();
  void bClipartClick();
  void bClipboardClick();
  void bCameraClick();
  void bTWAINClick();
  void bCancelClick();

  // The scanner answers once, at creation; the camera when the dialog shows
  // (no capture driver found: none).
  bool ScannerAvailable() const;
  bool CameraAvailable() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Lets the user choose a picture file starting in `folder`; a chosen file
  // that loads ends the dialog with OK, one that does not throws its error
  // and leaves everything as it was.
  void LoadChosenFile(const std::string& folder);

  FileChoosers& choosers_;
  Scanner& scanner_;
  Clipboard& clipboard_;
  TCaptureBitmapDialog* camera_ = nullptr;
};

}  // namespace quillo
