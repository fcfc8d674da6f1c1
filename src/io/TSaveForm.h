#pragma once
// The save and export dialog: puts the calling screen's picture out to a
// file, the clipboard, the printer or a video. Created once at start-up; a
// screen sets SaveBitmap, FileExt and the callbacks and shows it modally.
// Hiding it resets the callbacks and FileExt (SaveBitmap stays).
#include <functional>
#include <string>

#include "ArtDialog.h"
#include "base/Bitmap.h"

namespace quillo {

class Clipboard;
class FileChoosers;
class MessageBoxes;
class Printers;
class Shell;
class VideoCodecChooser;

// The platform services the save dialog puts pictures out through.
struct SaveServices {
  FileChoosers& files;
  MessageBoxes& messages;
  Printers& printers;
  VideoCodecChooser& codecs;
  Shell& shell;
  Clipboard& clipboard;
};

class TSaveForm : public ArtDialog {
  Q_OBJECT
 public:
  TSaveForm(const DialogHost& host, const SaveServices& services);

  // The picture to put out, 32 bits per pixel, owned by the caller. Without
  // it the file, clipboard, print and video actions do nothing.
  Bitmap* SaveBitmap = nullptr;
  // Leaves in SaveBitmap the picture for the position (0 to 100) in Tag;
  // without it no video can be made.
  std::function<void()> OnRenderFrame;
  // Writes the chosen file itself instead of a bitmap file.
  std::function<void(const std::string& path)> OnWriteFile;
  // The picture at the size of the photo it was made from (FullSize), which
  // the file chooser then offers beside SaveBitmap's.
  std::function<Bitmap()> OnRenderFullSize;
  struct {
    int width = 0;
    int height = 0;
  } FullSize;
  // The extension of the file action.
  std::string FileExt = "bmp";
  // The position of the frame OnRenderFrame renders.
  int Tag = 0;

  TGraphicButton* bAVI = nullptr;
  TGraphicButton* bFile = nullptr;
  TGraphicButton* bClipboard = nullptr;
  TGraphicButton* bPrint = nullptr;
  TGraphicButton* bCancel = nullptr;
  TGraphicButton* bMail = nullptr;

  void bFileClick();
  void bClipboardClick();
  void bPrintClick();
  void bAVIClick();
  void bCancelClick();
  void bMailClick() {}

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  // The video of the effect into the chosen file (chosen with the video
  // chooser's filter of that index), then shown in the desktop's player; a
  // failure is told in a message box.
  void ExportVideo(std::string path, int filter);

  SaveServices services_;
};

}  // namespace quillo
