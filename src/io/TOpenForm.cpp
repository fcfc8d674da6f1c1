#include "TOpenForm.h"

#include <QShowEvent>

#include "Clipboard.h"
#include "FileChoosers.h"
#include "PictureFile.h"
#include "Scanner.h"
#include "TCaptureBitmapDialog.h"
#include "core/DataFiles.h"
#include "core/Folders.h"
#include "core/PictureFormats.h"
#include "core/ScannedDib.h"
#include "skin/ConnectHandler.h"
#include "skin/TGraphicButton.h"

namespace quillo {

namespace {

constexpr int kFormWidth = 260;
constexpr int kFormHeight = 281;
constexpr int kFaded = 50;  // the transparency of a button whose source is missing
constexpr int kClipboardCheck = 250;

}  // namespace

TOpenForm::TOpenForm(const DialogHost& host, FileChoosers& choosers, Scanner& scanner,
                     Clipboard& clipboard)
    : ArtDialog(host, kFormWidth, kFormHeight),
      choosers_(choosers),
      scanner_(scanner),
      clipboard_(clipboard) {
  setObjectName("OpenForm");
  bClipboard = AddButton("bClipboard", 82, -1, "Paste From Clipboard", true);
  bClipart = AddButton("bClipart", 18, 58, "Load From Clipart", true);
  bCamera = AddButton("bCamera", 148, 61, "Capture From Camera", true);
  bFile = AddButton("bFile", 2, 129, "Load From File", true);
  bTWAIN = AddButton("bTWAIN", 163, 132, "Scan from SANE device", true);
  bCancel = AddButton("bCancel", 82, 207, "Cancel", true);
  bClipboard->OnClick = [this](TGraphicButton*) { bClipboardClick(); };
  bClipart->OnClick = [this](TGraphicButton*) { bClipartClick(); };
  bCamera->OnClick = [this](TGraphicButton*) { bCameraClick(); };
  bFile->OnClick = [this](TGraphicButton*) { bFileClick(); };
  bTWAIN->OnClick = [this](TGraphicButton*) { bTWAINClick(); };
  bCancel->OnClick = [this](TGraphicButton*) { bCancelClick(); };

  // Faded until the timer first looks at the clipboard: looking now would
  // cost start-up a round trip to the X server and the loading of every
  // image format plugin.
  bClipboard->SetTransparency(kFaded);
  bTWAIN->SetTransparency(ScannerAvailable() ? 0 : kFaded);
  // Without a file dialog on this machine the two file buttons can do nothing.
  if (!choosers_.Available()) {
    bFile->SetTransparency(kFaded);
    bClipart->SetTransparency(kFaded);
  }
  Timer.setInterval(kClipboardCheck);
  ConnectHandler(&Timer, &QTimer::timeout, this, [this] { TimerTimer(); });
  Timer.start();
}

void TOpenForm::TimerTimer() {
  bClipboard->SetTransparency(clipboard_.HasPicture() ? 0 : kFaded);
}

void TOpenForm::showEvent(QShowEvent* event) {
  ArtDialog::showEvent(event);
  if (!event->spontaneous()) bCamera->SetTransparency(CameraAvailable() ? 0 : kFaded);
}

void TOpenForm::LoadChosenFile(const std::string& folder) {
  const std::optional<std::string> path = choosers_.OpenPicture(folder, PictureFileFilter(), this);
  if (!path) return;
  Bitmap picture = LoadPictureFile(*path);
  ResultPicture = std::move(picture);
  EndModal(kModalOk);
}

void TOpenForm::bFileClick() {
  LoadChosenFile(StartFolder);
}

void TOpenForm::bClipartClick() {
  LoadChosenFile(WithTrailingSeparator(ResolveIn(ProgramFolder, kClipartFolder)));
}

void TOpenForm::bClipboardClick() {
  std::optional<Bitmap> picture = clipboard_.Picture();
  if (!picture) return;
  ResultPicture = std::move(*picture);
  EndModal(kModalOk);
}

bool TOpenForm::ScannerAvailable() const {
  return scanner_.Available();
}

bool TOpenForm::CameraAvailable() const {
  return camera_ && camera_->Vidcap->DriverCount() > 0;
}

void TOpenForm::bCameraClick() {
  if (!CameraAvailable() || camera_->ShowModal() != kModalOk) return;
  if (camera_->CapturedBitmap.Empty()) return;
  ResultPicture = camera_->CapturedBitmap;
  EndModal(kModalOk);
}

void TOpenForm::bTWAINClick() {
  if (!ScannerAvailable()) return;
  const std::optional<std::vector<std::uint8_t>> dib = scanner_.AcquireScannedDib(this, 0);
  if (!dib) return;  // the scanner has told its failures itself
  Bitmap picture = DibToBitmap(*dib);
  ResultPicture = std::move(picture);
  EndModal(kModalOk);
}

void TOpenForm::bCancelClick() {
  PlayCue(DataFile(kCancelSound));
  EndModal(kModalCancel);
}

}  // namespace quillo
