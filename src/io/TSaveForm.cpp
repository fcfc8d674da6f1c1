#include "TSaveForm.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QShowEvent>
#include <QUrl>

#include "Clipboard.h"
#include "FileChoosers.h"
#include "MessageBoxes.h"
#include "Printers.h"
#include "Shell.h"
#include "VideoCodecChooser.h"
#include "VideoCodecs.h"
#include "VideoExport.h"
#include "base/Error.h"
#include "core/BitmapFile.h"
#include "core/DataFiles.h"
#include "core/Folders.h"
#include "core/PreviewPlacement.h"
#include "skin/BitmapImage.h"
#include "skin/TGraphicButton.h"
#include "skin/WaitCursor.h"

namespace quillo {

namespace {

constexpr int kFormWidth = 271;
constexpr int kFormHeight = 290;
constexpr int kFormLeft = 10;   // in from the picture area's left edge
constexpr int kFaded = 50;      // bAVI without a way to render frames
constexpr int kScreenDpi = 96;  // the pixels per inch a picture is printed at

}  // namespace

TSaveForm::TSaveForm(const DialogHost& host, const SaveServices& services)
    : ArtDialog(host, kFormWidth, kFormHeight, kFormLeft), services_(services) {
  setObjectName("SaveForm");
  setWindowTitle("Save To...");
  bAVI = AddButton("bAVI", 13, 63, "Make an AVI-file", true);
  bFile = AddButton("bFile", -1, 137, "Save to File", true);
  bClipboard = AddButton("bClipboard", 157, 65, "Copy To Clipboard", true);
  bPrint = AddButton("bPrint", 173, 139, "Print", true);
  bCancel = AddButton("bCancel", 84, 216, "Cancel", true);
  bMail = AddButton("bMail", 84, 6, "Send by E-Mail", true);
  bMail->hide();
  bAVI->OnClick = [this](TGraphicButton*) { bAVIClick(); };
  bFile->OnClick = [this](TGraphicButton*) { bFileClick(); };
  bClipboard->OnClick = [this](TGraphicButton*) { bClipboardClick(); };
  bPrint->OnClick = [this](TGraphicButton*) { bPrintClick(); };
  bCancel->OnClick = [this](TGraphicButton*) { bCancelClick(); };
  bMail->OnClick = [this](TGraphicButton*) { bMailClick(); };
}

void TSaveForm::showEvent(QShowEvent* event) {
  ArtDialog::showEvent(event);
  if (!event->spontaneous()) bAVI->SetTransparency(OnRenderFrame ? 0 : kFaded);
}

void TSaveForm::hideEvent(QHideEvent* event) {
  ArtDialog::hideEvent(event);
  if (event->spontaneous()) return;
  OnRenderFrame = nullptr;
  OnWriteFile = nullptr;
  FileExt = "bmp";
  bAVI->SetTransparency(0);
}

void TSaveForm::bFileClick() {
  if (!SaveBitmap) return;
  const std::string pattern = "*." + FileExt;
  const std::optional<std::string> path = services_.files.SaveFile(
      StartFolder, pattern + " (" + pattern + ")", FileExt, "Save To File...", this);
  if (!path) return;
  if (OnWriteFile)
    OnWriteFile(*path);
  else
    SaveBitmapFile(*path, *SaveBitmap, 24);  // a bitmap file whatever the extension
  EndModal(kModalOk);
}

void TSaveForm::bClipboardClick() {
  if (!SaveBitmap) return;
  services_.clipboard.SetPicture(*SaveBitmap);
  EndModal(kModalOk);
}

void TSaveForm::bPrintClick() {
  if (!SaveBitmap) return;
  const std::unique_ptr<QPrinter> printer = services_.printers.ChoosePrinter(this);
  if (!printer) return;
  printer->setDocName(QGuiApplication::applicationName());
  // At the page's top-left, at the size it has on a screen, shrunk to fit
  // the printable area when larger.
  const int dpi = printer->resolution();
  const QRect page = printer->pageLayout().paintRectPixels(dpi);
  const Rect fit = PreviewPlacement(
      static_cast<int>(static_cast<long long>(SaveBitmap->Width()) * dpi / kScreenDpi),
      static_cast<int>(static_cast<long long>(SaveBitmap->Height()) * dpi / kScreenDpi),
      page.width(), page.height());
  QPainter painter;
  if (!painter.begin(printer.get()))
    throw Error("Cannot start printing on " + printer->printerName().toStdString());
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(QRect(0, 0, fit.Width(), fit.Height()), WrapImage(*SaveBitmap));
  if (!painter.end()) throw Error("Printing failed");
  EndModal(kModalOk);
}

void TSaveForm::bAVIClick() {
  if (!OnRenderFrame || !SaveBitmap) return;
  const std::optional<std::string> path =
      services_.files.SaveFile(StartFolder, "*.avi (*.avi)", "avi", "Save To File...", this);
  if (!path) return;
  ExportVideo(*path);
  EndModal(kModalOk);
}

void TSaveForm::ExportVideo(const std::string& path) {
  const int width = SaveBitmap->Width(), height = SaveBitmap->Height();
  // The codec is asked for before anything is written, so that cancelling
  // leaves the disk as it was.
  const std::optional<VideoCodec> codec = services_.codecs.ChooseCodec(width, height, this);
  if (!codec) return;
  if (!VideoCodecUsable(*codec, width, height)) {
    services_.messages.ShowError("Cannot write an AVI-file in that format");
    return;
  }
  QCoreApplication::processEvents();
  try {
    const WaitCursor busy;
    WriteEffectVideo(path, width, height, *codec, [this](int position) -> const Bitmap& {
      Tag = position;
      OnRenderFrame();
      return *SaveBitmap;
    });
  } catch (const Error&) {
    // A video that could not be written ends the export quietly; the file
    // that was there stays as it was.
    return;
  }
  services_.shell.Open(QUrl::fromLocalFile(QString::fromStdString(path)));
}

void TSaveForm::bCancelClick() {
  PlayCue(DataFile(kCancelSound));
  EndModal(kModalOk);  // the screens take any end alike
}

}  // namespace quillo
