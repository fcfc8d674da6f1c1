#include "Scanner.h"

#include <QEventLoop>
#include <QMessageBox>
#include <QWidget>
#include <string>

#include "ScanSession.h"
#include "TScanDialog.h"
#include "skin/ConnectHandler.h"
#include "skin/WaitCursor.h"

namespace quillo {

namespace {

void ShowScanError(const QString& text) {
  QMessageBox box(QMessageBox::Warning, kScanErrorTitle, text, QMessageBox::Ok);
  box.exec();
}

}  // namespace

SaneScanner::SaneScanner(std::function<void(const QString&)> report)
    : report_(report ? std::move(report) : ShowScanError) {}

std::optional<std::vector<std::uint8_t>> SaneScanner::AcquireScannedDib(QWidget* window,
                                                                        unsigned /*pixelTypes*/) {
  // Any pixel type is taken: the device delivers what its user chose.
  ScanSession session;
  std::optional<std::vector<std::uint8_t>> image;
  // Looking for devices takes seconds (longest when there is none).
  std::string failure;
  {
    const WaitCursor busy;
    if (!session.LoadManager())
      failure = kNoSourceManager;
    else if (!session.OpenManager())
      failure = "Unable to open Source Manager (libsane.so.1)";
    else if (!session.OpenDefaultSource())
      failure = ScanErrorReport("Unable to open default Data Source.", session.FirstError());
    else if (!session.EnableSource())
      failure = ScanErrorReport("Failed to enable Data Source.", session.FirstError());
  }
  if (!failure.empty()) {
    report_(QString::fromStdString(failure));
  } else {
    // The source is enabled: our dialog runs in a loop of its own until it
    // is closed or an image has arrived, with the caller's window disabled.
    TScanDialog dialog(session, window);
    QEventLoop loop;
    ConnectHandler(&dialog, &TScanDialog::Finished, &loop, [&loop] { loop.quit(); });
    if (window) window->setEnabled(false);
    dialog.setEnabled(true);  // a window of its own, not disabled with its parent
    dialog.show();
    if (OnDialogShown) OnDialogShown(dialog);
    if (!dialog.Done()) loop.exec();
    dialog.StopScanning();
    dialog.hide();
    if (window) window->setEnabled(true);
    if (std::vector<std::uint8_t> taken = dialog.TakeImage(); !taken.empty())
      image = std::move(taken);
  }
  // Every path winds down to state 1.
  session.CloseManager();
  session.UnloadManager();
  return image;
}

std::unique_ptr<Scanner> LoadScanner(bool forceUnavailable) {
  if (forceUnavailable) return std::make_unique<UnavailableScanner>(kServiceTurnedOff);
  if (!ScannerAvailable()) return std::make_unique<UnavailableScanner>(kNoSourceManager);
  return std::make_unique<SaneScanner>();
}

}  // namespace quillo
