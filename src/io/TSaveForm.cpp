#include "TSaveForm.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QShowEvent>
#include <QUrl>
#include <array>

#include "Clipboard.h"
#include "FileChoosers.h"
#include "MessageBoxes.h"
#include "PictureWriter.h"
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
constexpr const char* kPngFilter = "PNG picture (*.png)";
constexpr const char* kJpegFilter = "JPEG picture (*.jpg *.jpeg)";
// The AVI first, as ever, with its codec dialog; the kinds people share besides.
constexpr const char* kVideoFilters =
    "*.avi (*.avi);;MP4 video (*.mp4);;WebM video (*.webm);;Animated GIF (*.gif)";

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
  OnRenderFullSize = nullptr;
  FullSize = {};
  FileExt = "bmp";
  bAVI->SetTransparency(0);
}

void TSaveForm::bFileClick() {
  if (!SaveBitmap) return;
  const std::string pattern = "*." + FileExt;
  // A bitmap file as ever, first; PNG and JPEG besides, chosen by the filter,
  // and all three at the photo's size when there is one.
  const bool picture = !OnWriteFile && FileExt == "bmp";
  std::string filters = pattern + " (" + pattern + ")";
  if (picture) {
    filters += std::string(";;") + kPngFilter + ";;" + kJpegFilter;
    if (OnRenderFullSize) {
      const std::string size = " at the photo's size, " + std::to_string(FullSize.width) + " x " +
                               std::to_string(FullSize.height);
      filters += ";;BMP picture" + size + " (*.bmp);;PNG picture" + size +
                 " (*.png);;JPEG picture" + size + " (*.jpg *.jpeg)";
    }
  }
  const std::optional<SaveChoice> chosen =
      services_.files.SaveFile(StartFolder, filters, "Save To File...", this);
  if (!chosen) return;
  if (OnWriteFile) {
    OnWriteFile(chosen->path);
  } else if (!picture || chosen->filter == 0) {
    SaveBitmapFile(chosen->path, *SaveBitmap, 24);  // a bitmap file whatever the extension
  } else {
    constexpr PictureKind kKinds[] = {PictureKind::kBmp, PictureKind::kPng, PictureKind::kJpeg};
    const PictureKind kind = kKinds[chosen->filter % 3];
    if (chosen->filter >= 3 && OnRenderFullSize) {
      const WaitCursor busy;
      SavePictureFile(chosen->path, OnRenderFullSize(), kind);
    } else {
      SavePictureFile(chosen->path, *SaveBitmap, kind);
    }
  }
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
  const std::optional<SaveChoice> chosen =
      services_.files.SaveFile(StartFolder, kVideoFilters, "Save To File...", this);
  if (!chosen) return;
  ExportVideo(chosen->path, chosen->filter);
  EndModal(kModalOk);
}

void TSaveForm::ExportVideo(std::string path, int filter) {
  // The name's extension tells the kind of video; a name of no such
  // extension gets the chosen filter's kind, and an AVI whatever it is named
  // when that is the AVI filter.
  VideoContainer container = VideoContainerOf(path);
  if (container == VideoContainer::kAvi && filter > 0 && filter < 4) {
    container = std::array{VideoContainer::kMp4, VideoContainer::kWebm,
                           VideoContainer::kGif}[static_cast<std::size_t>(filter - 1)];
    path += std::array{".mp4", ".webm", ".gif"}[static_cast<std::size_t>(filter - 1)];
  }
  const int width = SaveBitmap->Width(), height = SaveBitmap->Height();
  // The codec is asked for before anything is written, so that cancelling
  // leaves the disk as it was. A GIF has one encoder: nothing to ask.
  std::optional<VideoCodec> codec = VideoCodec{};
  if (container != VideoContainer::kGif)
    codec = services_.codecs.ChooseCodec(container, width, height, this);
  if (!codec) return;
  if (!VideoCodecUsable(container, *codec, width, height)) {
    services_.messages.ShowError(container == VideoContainer::kAvi
                                     ? "Cannot write an AVI-file in that format"
                                     : "Cannot write a video file in that format");
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
  } catch (const Error& e) {
    // Nothing was written; the file that was there stays as it was.
    services_.messages.ShowError(e.what());
    return;
  }
  services_.shell.Open(QUrl::fromLocalFile(QString::fromStdString(path)));
}

void TSaveForm::bCancelClick() {
  PlayCue(DataFile(kCancelSound));
  EndModal(kModalOk);  // the screens take any end alike
}

}  // namespace quillo
