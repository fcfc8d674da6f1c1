#include "media/TVideoPlayer.h"

#include <QEventLoop>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "base/Error.h"
#include "media/VideoDecoder.h"
#include "skin/BitmapImage.h"
#include "skin/ConnectHandler.h"
#include "skin/QtRect.h"

namespace quillo {

namespace {

constexpr char kNoDevice[] = "No FFmpeg device open";

}  // namespace

TVideoPlayer::TVideoPlayer(QWidget* parent) : QWidget(parent) {
  resize(320, 240);
  setFocusPolicy(Qt::TabFocus);
  frameTimer_.setTimerType(Qt::PreciseTimer);
  ConnectHandler(&frameTimer_, &QTimer::timeout, this, [this] { Tick(); });
  wallClock_.start();
}

TVideoPlayer::~TVideoPlayer() = default;

void TVideoPlayer::Loaded() {
  if (AutoOpen) Open();
}

void TVideoPlayer::CheckOpen() const {
  if (!device_) throw Error(kNoDevice);
}

int TVideoPlayer::Store(int result) {
  error_ = result;
  return result;
}

void TVideoPlayer::StartFrameTimer() {
  frameTimer_.start(std::max(1, int(1000 / decoder_->Info().framesPerSecond)));
}

double TVideoPlayer::Now() const {
  return clock_ ? clock_() : wallClock_.nsecsElapsed() / 1e6;
}

void TVideoPlayer::SetStretch(bool stretch) {
  if (stretch == stretch_) return;
  stretch_ = stretch;
  if (device_) SetDisplayRect(stretch ? ClientRect() : Rect{0, 0, NaturalWidth, NaturalHeight});
}

void TVideoPlayer::Open() {
  if (device_) Close();
  const CommandFlags flags = options_.General();
  auto decoder = std::make_unique<VideoDecoder>(FileName);
  auto device = std::make_unique<MediaDevice>(decoder->Info());
  decoder_ = std::move(decoder);
  device_ = std::move(device);
  error_ = 0;
  Frames = device_->Length() / 10;
  CanPlay = true;
  CanRecord = false;
  CanEject = false;
  HasVideo = true;
  CanStep = true;
  NaturalWidth = decoder_->Info().width;
  NaturalHeight = decoder_->Info().height;
  shownFrame_ = -1;
  displayRect_ = QRect(0, 0, NaturalWidth, NaturalHeight);
  if (stretch_) SetDisplayRect(ClientRect());
  ShowFrame();
  device_->Complete(flags.notify);
  DeliverNotices();
}

int TVideoPlayer::Close() {
  if (!device_) return 0;
  options_.General();    // uses up the wait and notify options
  device_->Stop(false);  // a play still running ends aborted
  DeliverNotices();
  frameTimer_.stop();
  device_.reset();
  decoder_.reset();
  shownFrame_ = -1;
  NaturalWidth = NaturalHeight = 0;
  update();
  return Store(0);
}

int TVideoPlayer::StartPlay(const CommandFlags& flags) {
  const int result = device_->Play(flags.from, flags.to, flags.notify, Now());
  if (result == 0) StartFrameTimer();
  AfterCommand(flags.wait);
  return Store(result);
}

int TVideoPlayer::Play() {
  CheckOpen();
  if (AutoRewind && !options_.FromOrToSet() && GetPosition() == GetLength()) Rewind();
  return StartPlay(options_.Playing(true));
}

int TVideoPlayer::StartRecording() {
  CheckOpen();
  options_.Playing(true);
  return Store(kMediaUnsupported);
}

int TVideoPlayer::Stop() {
  CheckOpen();
  const CommandFlags flags = options_.General();
  Tick();
  const int result = device_->Stop(flags.notify);
  frameTimer_.stop();
  AfterCommand(false);
  return Store(result);
}

int TVideoPlayer::PauseOnly() {
  CheckOpen();
  const CommandFlags flags = options_.General();
  const int result = device_->Pause(flags.notify, Now());
  frameTimer_.stop();
  AfterCommand(false);
  return Store(result);
}

int TVideoPlayer::Pause() {
  CheckOpen();
  const int mode = GetMode();
  if (mode == static_cast<int>(MediaMode::Playing)) return PauseOnly();
  if (mode == static_cast<int>(MediaMode::Paused)) return Resume();
  return error_;
}

int TVideoPlayer::Resume() {
  CheckOpen();
  const CommandFlags flags = options_.Playing(false);
  const int result = device_->Resume(flags.notify, Now());
  if (result != 0) {
    // Nothing to resume: play instead, with the same options.
    options_.SetNotify(flags.notify);
    options_.SetWait(flags.wait);
    return Play();
  }
  StartFrameTimer();
  AfterCommand(flags.wait);
  return Store(result);
}

int TVideoPlayer::Next() {
  CheckOpen();
  return SetPosition(GetLength());
}

int TVideoPlayer::Previous() {
  CheckOpen();
  return SetPosition(0);
}

int TVideoPlayer::Step() {
  CheckOpen();
  if (!HasVideo) return error_;
  if (AutoRewind && GetPosition() == GetLength()) Rewind();
  const CommandFlags flags = options_.General();
  frameTimer_.stop();
  const int result = device_->Step(Frames, flags.notify);
  AfterCommand(false);
  return Store(result);
}

int TVideoPlayer::Back() {
  CheckOpen();
  if (!HasVideo) return error_;
  const CommandFlags flags = options_.General();
  frameTimer_.stop();
  const int result = device_->Step(-Frames, flags.notify);
  AfterCommand(false);
  return Store(result);
}

int TVideoPlayer::SetPosition(int position) {
  CheckOpen();
  const CommandFlags flags = options_.General();
  frameTimer_.stop();
  const int result = device_->Seek(position, flags.notify);
  AfterCommand(false);
  return Store(result);
}

int TVideoPlayer::Rewind() {
  CheckOpen();
  frameTimer_.stop();
  device_->Seek(0, false);
  AfterCommand(false);
  return 0;
}

int TVideoPlayer::Save() {
  CheckOpen();
  if (FileName.empty()) return error_;
  options_.General();
  return Store(kMediaUnsupported);
}

int TVideoPlayer::GetLength() {
  CheckOpen();
  Store(0);
  return device_->Length();
}

int TVideoPlayer::GetStart() {
  CheckOpen();
  Store(0);
  return 0;
}

int TVideoPlayer::GetTracks() {
  CheckOpen();
  Store(0);
  return 1;
}

int TVideoPlayer::GetTimeFormat() {
  CheckOpen();
  Store(0);
  return static_cast<int>(device_->Format());
}

int TVideoPlayer::GetPosition() {
  if (!device_) return Store(kMediaNoDevice), 0;
  Tick();
  Store(0);
  return device_->Position();
}

int TVideoPlayer::GetMode() {
  if (!device_) return Store(kMediaNoDevice), static_cast<int>(MediaMode::NotReady);
  Tick();
  Store(0);
  return static_cast<int>(device_->Mode());
}

int TVideoPlayer::GetTrackLength(int track) {
  CheckOpen();
  return track == 1 ? device_->Length() : 0;
}

int TVideoPlayer::GetTrackPosition(int) {
  // One track that starts at 0.
  return 0;
}

int TVideoPlayer::SetTimeFormat(int format) {
  if (!device_) return Store(kMediaNoDevice);
  const int result = device_->SetTimeFormat(format, true);
  DeliverNotices();
  return Store(result);
}

void TVideoPlayer::SetDisplayRect(Rect rect) {
  if (!device_ || !HasVideo) return;
  if (rect.right == 0 && rect.bottom == 0) {
    rect.right = width();
    rect.bottom = height();
  }
  options_.General();
  update(displayRect_);
  displayRect_ = ToQRect(rect);
  update(displayRect_);
}

Rect TVideoPlayer::GetDisplayRect() const {
  if (!device_ || !HasVideo) return {};
  return RectOfSize(displayRect_.x(), displayRect_.y(), displayRect_.width(),
                    displayRect_.height());
}

Rect TVideoPlayer::ClientRect() const {
  return {0, 0, width(), height()};
}

void TVideoPlayer::Tick() {
  if (!device_) return;
  device_->Advance(Now());
  if (device_->Mode() != MediaMode::Playing) frameTimer_.stop();
  ShowFrame();
  DeliverNotices();
}

void TVideoPlayer::ShowFrame() {
  if (!device_ || device_->Frame() == shownFrame_) return;
  try {
    decoder_->Frame(device_->Frame());
    shownFrame_ = device_->Frame();
  } catch (const Error&) {
    // A file that breaks while playing stops with a failure notice.
    device_->Stop(false);
    device_->TakeNotices();
    frameTimer_.stop();
    PostHandler(this, [this] { HandleNotice(NotifyCode::Failure); });
  }
  update(displayRect_);
}

void TVideoPlayer::AfterCommand(bool wait) {
  ShowFrame();
  if (wait && device_ && device_->Mode() == MediaMode::Playing) {
    // Waiting keeps painting and timers alive until the play has ended.
    QEventLoop loop;
    QTimer poll;
    ConnectHandler(&poll, &QTimer::timeout, &loop, [this, &loop] {
      if (!device_ || device_->Mode() != MediaMode::Playing) loop.quit();
    });
    poll.start(10);
    loop.exec();
  }
  DeliverNotices();
}

void TVideoPlayer::DeliverNotices() {
  if (!device_) return;
  for (const NotifyCode code : device_->TakeNotices())
    PostHandler(this, [this, code] { HandleNotice(code); });
}

void TVideoPlayer::HandleNotice(NotifyCode code) {
  switch (code) {
    case NotifyCode::Successful:
      notifyValue_ = 0;
      break;
    case NotifyCode::Superseded:
      notifyValue_ = 1;
      break;
    case NotifyCode::Aborted:
      notifyValue_ = 2;
      break;
    case NotifyCode::Failure:
      notifyValue_ = 3;
      break;
  }
  // A failing notice handler is reported; a looping video goes on all the same.
  if (OnNotify) RunHandler([this] { OnNotify(this); });
  if (AutoLoop && device_ && code == NotifyCode::Successful && GetPosition() == GetLength()) {
    Rewind();
    Play();
  }
}

void TVideoPlayer::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const bool showing = device_ && HasVideo && shownFrame_ >= 0;
  QRegion background(event->rect());
  if (showing) background -= displayRect_;
  for (const QRect& r : background) painter.fillRect(r, palette().window());
  if (!showing) return;
  const Bitmap* frame = nullptr;
  if (!RunHandler([&] { frame = &decoder_->Frame(shownFrame_); })) {
    // Reported; the next frame shown decodes afresh.
    shownFrame_ = -1;
    painter.fillRect(displayRect_, palette().window());
    return;
  }
  const QImage image = WrapImage(*frame);
  if (displayRect_.size() == image.size()) {
    painter.drawImage(displayRect_.topLeft(), image);
  } else {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(displayRect_, image);
  }
}

void TVideoPlayer::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (stretch_ && device_) SetDisplayRect(ClientRect());
}

void TVideoPlayer::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  if (OnMouseEnter) RunHandler([this] { OnMouseEnter(this); });
}

void TVideoPlayer::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  if (OnMouseLeave) RunHandler([this] { OnMouseLeave(this); });
}

}  // namespace quillo
