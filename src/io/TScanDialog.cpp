#include "TScanDialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "base/Handler.h"
#include "skin/ConnectHandler.h"

namespace quillo {

namespace {

// How often the rows received are shown while scanning.
constexpr int kProgressMs = 100;

QString Number(double v) {
  return QString::number(v, 'g', 6);
}

QString Caption(const ScanOption& o) {
  QString title = QString::fromStdString(o.title);
  if (!o.unit.empty()) title += QString(" (%1)").arg(QString::fromStdString(o.unit));
  return title + ":";
}

}  // namespace

TScanDialog::TScanDialog(ScanSession& session, QWidget* caller)
    : QWidget(caller ? caller->window() : nullptr, Qt::Dialog), session_(session) {
  setObjectName("ScanDialog");
  setWindowTitle("Scan");
  auto* layout = new QVBoxLayout(this);
  const QString name = QString::fromStdString(session_.DeviceName()).toHtmlEscaped();
  const QString description = QString::fromStdString(session_.DeviceDescription()).toHtmlEscaped();
  auto* device =
      new QLabel(description.isEmpty() ? QString("Scanner: <b>%1</b>").arg(name)
                                       : QString("Scanner: <b>%1</b> (%2)").arg(description, name),
                 this);
  layout->addWidget(device);
  auto* form = new QFormLayout;
  layout->addLayout(form);
  options_ = session_.MainOptions();
  BuildEditors(*form);
  Status = new QLabel("Ready to scan.", this);
  Status->setWordWrap(true);
  layout->addWidget(Status);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  ScanButton = new QPushButton("Scan", this);
  ScanButton->setDefault(true);
  CloseButton = new QPushButton("Close", this);
  buttons->addWidget(ScanButton);
  buttons->addWidget(CloseButton);
  layout->addLayout(buttons);
  ConnectHandler(ScanButton, &QPushButton::clicked, this, [this] { ScanClick(); });
  ConnectHandler(CloseButton, &QPushButton::clicked, this, [this] { CloseClick(); });
  progress_ = new QTimer(this);
  progress_->setInterval(kProgressMs);
  ConnectHandler(progress_, &QTimer::timeout, this, [this] { ShowProgress(); });
  setMinimumWidth(320);
  adjustSize();
  // Centred over the window that asked for the scan.
  const QRect over = caller ? caller->window()->frameGeometry()
                            : (screen() ? screen()->availableGeometry() : QRect());
  if (over.isValid()) move(over.center() - rect().center());
}

TScanDialog::~TScanDialog() {
  StopScanning();
}

void TScanDialog::BuildEditors(QFormLayout& form) {
  for (const ScanOption& o : options_) {
    QWidget* editor = nullptr;
    if (o.text || !o.numberChoices.empty()) {
      auto* box = new QComboBox(this);
      if (o.text) {
        for (const std::string& c : o.textChoices) box->addItem(QString::fromStdString(c));
        box->setCurrentText(QString::fromStdString(o.textValue));
      } else {
        for (double c : o.numberChoices) box->addItem(Number(c), c);
        box->setCurrentText(Number(o.numberValue));
      }
      editor = box;
    } else {
      auto* spin = new QDoubleSpinBox(this);
      spin->setDecimals(o.step > 0 && o.step == std::floor(o.step) ? 0 : 1);
      spin->setRange(o.minimum, o.maximum);
      if (o.step > 0) spin->setSingleStep(o.step);
      spin->setValue(o.numberValue);
      editor = spin;
    }
    editor->setObjectName(QString::fromStdString(o.name));
    form.addRow(Caption(o), editor);
    Editors.push_back(editor);
  }
}

bool TScanDialog::ApplyOptions() {
  for (std::size_t i = 0; i < options_.size(); ++i) {
    ScanOption o = options_[i];
    if (auto* box = qobject_cast<QComboBox*>(Editors[i])) {
      if (o.text)
        o.textValue = box->currentText().toStdString();
      else
        o.numberValue = box->currentData().toDouble();
    } else if (auto* spin = qobject_cast<QDoubleSpinBox*>(Editors[i])) {
      o.numberValue = spin->value();
    }
    std::string why;
    if (!session_.SetOption(o, why)) {
      Status->setText(QString("Cannot set %1: %2.")
                          .arg(QString::fromStdString(o.title), QString::fromStdString(why)));
      return false;
    }
  }
  return true;
}

void TScanDialog::SetBusy(bool busy) {
  ScanButton->setEnabled(!busy);
  for (QWidget* e : Editors) e->setEnabled(!busy);
  CloseButton->setText(busy ? "Cancel" : "Close");
}

void TScanDialog::ScanClick() {
  if (Scanning() || done_) return;
  if (!ApplyOptions()) return;
  SetBusy(true);
  Status->setText("Scanning...");
  progress_->start();
  try {
    worker_ = std::thread([this] {
      ScanTransfer result = session_.Transfer();  // throws nothing
      // The outcome is handed to the dialog's thread.
      PostHandler(
          this, [this, result = std::move(result)]() mutable { TransferEnded(std::move(result)); });
    });
  } catch (...) {
    // No thread for the scan: the dialog stays ready to scan again.
    progress_->stop();
    SetBusy(false);
    Status->setText("Ready to scan.");
    throw;
  }
}

void TScanDialog::ShowProgress() {
  if (!Scanning() || closeRequested_ || cancelling_) return;
  const ScanProgress p = session_.Progress();
  Status->setText(p.rowsExpected > 0
                      ? QString("Scanning: %1 of %2 rows received.").arg(p.rows).arg(p.rowsExpected)
                      : QString("Scanning: %1 rows received.").arg(p.rows));
}

void TScanDialog::TransferEnded(ScanTransfer result) {
  if (worker_.joinable()) worker_.join();
  progress_->stop();
  const bool stopped = cancelling_ || closeRequested_;
  cancelling_ = false;
  SetBusy(false);
  // A scan the user stopped brings no picture, even one that was just done.
  if (!result.dib.empty() && !stopped) {
    image_ = std::move(result.dib);
    Finish();
    return;
  }
  Status->setText(
      result.cancelled || stopped
          ? QString("The scan was cancelled.")
          : QString("The scan failed: %1.").arg(QString::fromStdString(result.failure)));
  if (closeRequested_) Finish();
}

void TScanDialog::CloseClick() {
  if (Scanning()) {
    cancelling_ = true;
    Status->setText("Cancelling...");
    session_.CancelTransfer();
    return;
  }
  Finish();
}

void TScanDialog::CloseWindow() {
  if (Scanning()) {
    closeRequested_ = true;
    Status->setText("Stopping...");
    session_.CancelTransfer();
    return;
  }
  Finish();
}

void TScanDialog::StopScanning() {
  if (!worker_.joinable()) return;
  session_.CancelTransfer();
  worker_.join();
}

void TScanDialog::Finish() {
  if (done_) return;
  done_ = true;
  emit Finished();
}

void TScanDialog::closeEvent(QCloseEvent* event) {
  event->ignore();
  RunHandler([this] { CloseWindow(); });
}

void TScanDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape)
    RunHandler([this] { CloseClick(); });
  else
    QWidget::keyPressEvent(event);
}

}  // namespace quillo
