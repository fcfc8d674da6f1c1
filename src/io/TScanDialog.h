#pragma once
// The scanning dialog: stands in for the device's own user interface while a
// scanner session is enabled. It lists the default device's main options
// (mode, resolution and the scan area where offered) with Scan and Close.
// A scan reads on a worker thread, so the program keeps painting, and the
// dialog shows the rows received; the Cancel button stops the scan and
// leaves the dialog up to scan again or close, as a failed scan does.
// Closing the window stops the scan and ends the acquisition.
#include <QWidget>
#include <cstdint>
#include <thread>
#include <vector>

#include "ScanSession.h"

class QFormLayout;
class QLabel;
class QPushButton;
class QTimer;

namespace quillo {

class TScanDialog : public QWidget {
  Q_OBJECT
 public:
  TScanDialog(ScanSession& session, QWidget* caller);
  ~TScanDialog() override;

  QPushButton* ScanButton = nullptr;
  QPushButton* CloseButton = nullptr;
  QLabel* Status = nullptr;
  // One editor per option, in the order of Options.
  std::vector<QWidget*> Editors;
  const std::vector<ScanOption>& Options() const { return options_; }

  void ScanClick();
  // Close, or Cancel while scanning: stops the scan, keeping the dialog.
  void CloseClick();
  // The window's close: stops any scan and ends the acquisition.
  void CloseWindow();

  bool Done() const { return done_; }
  bool Scanning() const { return worker_.joinable(); }
  // The scanned picture as a packed bitmap; empty when none arrived.
  // Hands over the scanned picture, leaving none.
  std::vector<std::uint8_t> TakeImage() { return std::move(image_); }
  // Cancels a scan under way and waits for its thread.
  void StopScanning();

 signals:
  void Finished();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildEditors(QFormLayout& form);
  bool ApplyOptions();
  void TransferEnded(ScanTransfer result);
  void SetBusy(bool busy);
  void ShowProgress();
  void Finish();

  ScanSession& session_;
  std::vector<ScanOption> options_;
  std::thread worker_;
  QTimer* progress_ = nullptr;
  std::vector<std::uint8_t> image_;
  bool closeRequested_ = false;
  bool cancelling_ = false;  // Cancel clicked, the scan not yet stopped
  bool done_ = false;
};

}  // namespace quillo
