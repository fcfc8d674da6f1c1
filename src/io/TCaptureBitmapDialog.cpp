#include "TCaptureBitmapDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include "base/Handler.h"
#include "skin/ConnectHandler.h"
#include "skin/WaitCursor.h"

namespace quillo {

namespace {

constexpr int kWidth = 441;
constexpr int kHeight = 251;

QPushButton* AddButton(QWidget* parent, const char* name, const QString& text, int top) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setGeometry(336, top, 100, 25);
  return button;
}

QCheckBox* AddCheckBox(QWidget* parent, const char* name, const QString& text, int top) {
  auto* box = new QCheckBox(text, parent);
  box->setObjectName(name);
  box->setGeometry(336, top, 100, 17);
  return box;
}

}  // namespace

TCaptureBitmapDialog::TCaptureBitmapDialog() {
  setObjectName("CaptureBitmapDialog");
  // A dialog with the window system's frame and caption.
  setWindowFlags(Qt::Dialog);
  setWindowModality(Qt::ApplicationModal);
  setWindowTitle("Capture Image");
  setFixedSize(kWidth, kHeight);

  Vidcap = new TVidcap(this);
  Vidcap->setGeometry(5, 5, 320, 240);
  Vidcap->SetStretch(true);
  Vidcap->SetLiveVideo(true);
  DriverComboBox = new QComboBox(this);
  DriverComboBox->setObjectName("DriverComboBox");
  DriverComboBox->move(336, 8);
  DriverComboBox->setFixedWidth(100);
  Source = AddButton(this, "Source", "Source...", 40);
  Format = AddButton(this, "Format", "Format...", 72);
  Display = AddButton(this, "Display", "Display...", 104);
  Freeze = AddCheckBox(this, "Freeze", "Freeze", 138);
  Stretch = AddCheckBox(this, "Stretch", "Stretch", 162);
  Stretch->setChecked(true);
  Stretch->hide();
  OK = AddButton(this, "OK", "OK", 188);
  OK->setDefault(true);
  Cancel = AddButton(this, "Cancel", "Cancel", 220);

  // FormCreate: the drivers found, the first one chosen.
  DriverComboBox->addItems(Vidcap->DriverNames());
  DriverComboBox->setCurrentIndex(Vidcap->DriverCount() > 0 ? 0 : -1);
  for (QWidget* w :
       {static_cast<QWidget*>(Source), static_cast<QWidget*>(Format),
        static_cast<QWidget*>(Display), static_cast<QWidget*>(Freeze), static_cast<QWidget*>(OK)})
    w->setEnabled(false);

  ConnectHandler(DriverComboBox, &QComboBox::activated, this, [this] { DriverComboBoxChange(); });
  ConnectHandler(Source, &QPushButton::clicked, this, [this] { SourceClick(); });
  ConnectHandler(Format, &QPushButton::clicked, this, [this] { FormatClick(); });
  ConnectHandler(Display, &QPushButton::clicked, this, [this] { DisplayClick(); });
  ConnectHandler(Freeze, &QCheckBox::clicked, this, [this] { FreezeClick(); });
  ConnectHandler(Stretch, &QCheckBox::clicked, this, [this] { StretchClick(); });
  ConnectHandler(OK, &QPushButton::clicked, this, [this] { OKClick(); });
  ConnectHandler(Cancel, &QPushButton::clicked, this, [this] { EndModal(kModalCancel); });
}

void TCaptureBitmapDialog::showEvent(QShowEvent* event) {
  ModalWindow::showEvent(event);
  if (event->spontaneous()) return;
  // Centred on the screen.
  if (const QScreen* s = screen() ? screen() : QApplication::primaryScreen())
    move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
  RunHandler([this] { DriverComboBoxChange(); });
}

void TCaptureBitmapDialog::DriverComboBoxChange() {
  const bool connected = [this] {
    const WaitCursor wait;
    return Vidcap->Connect(DriverComboBox->currentIndex());
  }();
  Format->setEnabled(connected && Vidcap->Supports(ccDlgVideoFormat));
  Source->setEnabled(connected && Vidcap->Supports(ccDlgVideoSource));
  Display->setEnabled(connected && Vidcap->Supports(ccDlgVideoDisplay));
  Stretch->setEnabled(connected && Vidcap->Supports(ccOverlay));
  Freeze->setEnabled(connected);
  OK->setEnabled(connected);
}

void TCaptureBitmapDialog::SourceClick() {
  Vidcap->DoDlgVideoSource();
}
void TCaptureBitmapDialog::FormatClick() {
  Vidcap->DoDlgVideoFormat();
}
void TCaptureBitmapDialog::DisplayClick() {
  Vidcap->DoDlgVideoDisplay();
}

void TCaptureBitmapDialog::FreezeClick() {
  Vidcap->SetLiveVideo(!Freeze->isChecked());
}

void TCaptureBitmapDialog::StretchClick() {
  Vidcap->SetStretch(Stretch->isChecked());
}

void TCaptureBitmapDialog::OKClick() {
  // No frame to take leaves no picture rather than the one of an earlier use.
  if (!Vidcap->GetBitmap(CapturedBitmap)) CapturedBitmap = Bitmap();
  EndModal(kModalOk);
}

void TCaptureBitmapDialog::keyPressEvent(QKeyEvent* event) {
  // Enter presses the default button, OK.
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && OK->isEnabled()) {
    RunHandler([this] { OKClick(); });
    return;
  }
  ModalWindow::keyPressEvent(event);
}

void TCaptureBitmapDialog::hideEvent(QHideEvent* event) {
  // The device is let go while hidden, for other programs; showing connects again.
  Vidcap->Disconnect();
  ModalWindow::hideEvent(event);
}

}  // namespace quillo
