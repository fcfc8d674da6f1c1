#include "TVidcap.h"

#include <QInputDialog>
#include <QPainter>

#include "base/Error.h"
#include "codecs/CodecModule.h"
#include "skin/BitmapImage.h"
#include "skin/ConnectHandler.h"

namespace quillo {

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr int kPreviewRate = 40;  // milliseconds between preview frames

int AskUser(QWidget* parent, const QString& title, const QStringList& labels, int current) {
  bool ok = false;
  const QString chosen =
      QInputDialog::getItem(parent, title, title + ":", labels, std::max(current, 0), false, &ok);
  return ok ? static_cast<int>(labels.indexOf(chosen)) : -1;
}

}  // namespace

TVidcap::TVidcap(QWidget* parent) : QWidget(parent) {
  setObjectName("Vidcap");
  setGeometry(0, 0, kWidth, kHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  drivers_ = FindCaptureDrivers();
  for (const CaptureDriver& d : drivers_) driverNames_ << QString::fromStdString(d.name);
  Choose = [this](const QString& title, const QStringList& labels, int current) {
    return AskUser(this, title, labels, current);
  };
  PreviewTimer.setInterval(kPreviewRate);
  ConnectHandler(&PreviewTimer, &QTimer::timeout, this, [this] { PreviewTimerTimer(); });
}

TVidcap::~TVidcap() {
  Disconnect();
}

void TVidcap::SetStretch(bool stretch) {
  if (stretch == stretch_) return;
  stretch_ = stretch;
  ChangeState();
}

void TVidcap::SetLiveVideo(bool live) {
  if (live == liveVideo_) return;
  liveVideo_ = live;
  if (!live) Poll();  // the frame the preview freezes on
  ChangeState();
}

void TVidcap::ChangeState() {
  if (liveVideo_ && reading_)
    PreviewTimer.start();
  else
    PreviewTimer.stop();
  update();
}

bool TVidcap::Reopen() {
  reading_.reset();
  frame_ = Bitmap();
  // A first frame that failed may have disconnected the device on the way.
  if (connected_ < 0) return false;
  const CaptureDriver& driver = drivers_[connected_];
  const CaptureOpening o = OpeningOf(driver, input_ >= 0 ? &inputs_[input_] : nullptr,
                                     format_ >= 0 ? &formats_[format_] : nullptr);
  try {
    reading_ = codecs::Codecs().openCapture(o.format, o.url, o.options);
  } catch (const Error& e) {
    whyNot_ = QString::fromUtf8(e.what());
    return false;
  }
  whyNot_.clear();
  Poll();  // may find the device failing and disconnect
  return reading_ != nullptr;
}

bool TVidcap::Connect(int index) {
  Disconnect();
  if (index < 0 || index >= DriverCount()) {
    whyNot_ = "No such capture driver";
    return false;
  }
  connected_ = index;
  inputs_ = CaptureInputs(drivers_[index]);
  formats_ = CaptureFormats(drivers_[index]);
  input_ = format_ = -1;
  if (!Reopen()) {
    connected_ = -1;
    return false;
  }
  ChangeState();
  return true;
}

void TVidcap::Disconnect() {
  PreviewTimer.stop();
  reading_.reset();
  connected_ = -1;
}

bool TVidcap::GetConnected() const {
  return reading_ != nullptr;
}

bool TVidcap::Supports(TCaptureCapabilities capability) const {
  if (!GetConnected()) throw Error(SCapNotConnected);
  switch (capability) {
    case ccDlgVideoSource:
      return !inputs_.empty();
    case ccDlgVideoFormat:
      return !formats_.empty();
    case ccOverlay:
    case ccPalette:
    case ccDlgVideoDisplay:
      return false;
  }
  return false;
}

bool TVidcap::Poll() {
  if (!reading_) return false;
  try {
    if (!reading_->Poll()) return false;
  } catch (const Error& e) {
    // The device went away: the preview stops on the last frame.
    whyNot_ = QString::fromUtf8(e.what());
    Disconnect();
    update();
    return false;
  }
  frame_ = reading_->Frame();
  return true;
}

void TVidcap::PreviewTimerTimer() {
  if (Poll()) update();
}

bool TVidcap::GetBitmap(Bitmap& bitmap) {
  if (!GetConnected()) return false;
  if (liveVideo_) Poll();  // the current frame; the preview goes on
  if (frame_.Empty()) return false;
  bitmap = frame_;
  return true;
}

int TVidcap::ChooseFrom(const QString& title, const std::vector<CaptureChoice>& choices,
                        int current) {
  QStringList labels;
  for (const CaptureChoice& c : choices) labels << QString::fromStdString(c.label);
  return Choose(title, labels, current);
}

void TVidcap::DoDlgVideoSource() {
  if (!Supports(ccDlgVideoSource)) return;
  const int chosen = ChooseFrom("Video Source", inputs_, input_);
  if (chosen < 0 || chosen >= static_cast<int>(inputs_.size())) return;
  input_ = chosen;
  if (!Reopen()) throw Error(whyNot_.toStdString());
  ChangeState();
}

void TVidcap::DoDlgVideoFormat() {
  if (!Supports(ccDlgVideoFormat)) return;
  const int chosen = ChooseFrom("Video Format", formats_, format_);
  if (chosen < 0 || chosen >= static_cast<int>(formats_.size())) return;
  const int before = format_;
  format_ = chosen;
  if (!Reopen()) {
    // The device refused the format: back to the one that worked.
    const QString why = whyNot_;
    format_ = before;
    Reopen();
    ChangeState();
    throw Error(why.toStdString());
  }
  ChangeState();
}

void TVidcap::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  if (frame_.Empty()) {
    painter.setPen(Qt::gray);
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap,
                     whyNot_.isEmpty() ? QString("No picture") : whyNot_);
    return;
  }
  const QImage image = WrapImage(frame_);
  if (stretch_) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), image);
  } else {
    painter.drawImage(0, 0, image);
  }
}

}  // namespace quillo
