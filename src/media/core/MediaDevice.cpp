#include "media/core/MediaDevice.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "base/Error.h"

namespace quillo {

std::string MediaErrorText(int code) {
  switch (code) {
    case kMediaUnsupported:
      return "The video player cannot do that with this file.";
    case kMediaOutOfRange:
      return "The position is outside the video.";
    case kMediaBadTimeFormat:
      return "The video player does not know that time format.";
    default:
      return "Unknown error code";
  }
}

MediaDevice::MediaDevice(MediaInfo info) : info_(info) {
  if (info_.frames < 1 || !(info_.framesPerSecond > 0)) throw Error("The video has no frames.");
  end_ = info_.frames;
}

int MediaDevice::SetTimeFormat(int format, bool notify) {
  if (format != static_cast<int>(TimeFormat::Milliseconds) &&
      format != static_cast<int>(TimeFormat::Frames))
    return kMediaBadTimeFormat;
  format_ = static_cast<TimeFormat>(format);
  Complete(notify);
  return 0;
}

int MediaDevice::ToFrames(int position) const {
  if (format_ == TimeFormat::Frames) return position;
  return static_cast<int>(std::floor(position * info_.framesPerSecond / 1000.0 + 1e-9));
}

int MediaDevice::FromFrames(int frames) const {
  if (format_ == TimeFormat::Frames) return frames;
  return static_cast<int>(frames * 1000.0 / info_.framesPerSecond + 1e-9);
}

int MediaDevice::Length() const {
  return FromFrames(info_.frames);
}

int MediaDevice::Position() const {
  return FromFrames(frame_);
}

int MediaDevice::Frame() const {
  return std::min(frame_, info_.frames - 1);
}

int MediaDevice::PlayedFrame(double now) const {
  const double elapsed = std::max(0.0, now - started_);
  const double frames = std::floor(elapsed * info_.framesPerSecond / 1000.0 + 1e-9);
  return static_cast<int>(std::min<double>(frame_ + frames, end_));
}

void MediaDevice::Request(bool notify, bool interrupts) {
  if (playNotice_ && (interrupts || notify)) {
    Send(interrupts ? NotifyCode::Aborted : NotifyCode::Superseded);
    playNotice_ = false;
  }
}

void MediaDevice::Complete(bool notify) {
  Request(notify, false);
  if (notify) Send(NotifyCode::Successful);
}

int MediaDevice::Play(std::optional<int> from, std::optional<int> to, bool notify, double now) {
  Advance(now);
  const int start = from ? ToFrames(*from) : frame_;
  const int end = to ? ToFrames(*to) : info_.frames;
  if (start < 0 || start > info_.frames || end < start || end > info_.frames)
    return kMediaOutOfRange;
  // A new play replaces the one running: its notice is superseded.
  if (playNotice_) {
    Send(NotifyCode::Superseded);
    playNotice_ = false;
  }
  frame_ = start;
  end_ = end;
  started_ = now;
  mode_ = MediaMode::Playing;
  playNotice_ = notify;
  Advance(now);
  return 0;
}

int MediaDevice::Stop(bool notify) {
  Request(notify, true);
  mode_ = MediaMode::Stopped;
  if (notify) Send(NotifyCode::Successful);
  return 0;
}

int MediaDevice::Pause(bool notify, double now) {
  Advance(now);
  if (mode_ == MediaMode::Playing) mode_ = MediaMode::Paused;
  // The paused play keeps its notice; it completes when playing resumes.
  if (notify) {
    Request(true, false);
    Send(NotifyCode::Successful);
  }
  return 0;
}

int MediaDevice::Resume(bool notify, double now) {
  if (mode_ != MediaMode::Paused) return kMediaUnsupported;
  const bool keep = playNotice_ && !notify;
  if (notify && playNotice_) Send(NotifyCode::Superseded);
  playNotice_ = keep || notify;
  started_ = now;
  mode_ = MediaMode::Playing;
  Advance(now);
  return 0;
}

int MediaDevice::Seek(int position, bool notify) {
  const int frame = ToFrames(position);
  if (frame < 0 || frame > info_.frames) return kMediaOutOfRange;
  Request(notify, true);
  frame_ = frame;
  end_ = info_.frames;
  mode_ = MediaMode::Stopped;
  if (notify) Send(NotifyCode::Successful);
  return 0;
}

int MediaDevice::Step(int frames, bool notify) {
  return Seek(FromFrames(std::clamp(frame_ + frames, 0, info_.frames)), notify);
}

void MediaDevice::Advance(double now) {
  if (mode_ != MediaMode::Playing) return;
  const int frame = PlayedFrame(now);
  if (frame >= end_) {
    frame_ = end_;
    mode_ = MediaMode::Stopped;
    if (std::exchange(playNotice_, false)) Send(NotifyCode::Successful);
    return;
  }
  // Keep the run's anchor: restart it from the frame reached, at the time it
  // was reached, so that rounding never drifts.
  started_ += (frame - frame_) * 1000.0 / info_.framesPerSecond;
  frame_ = frame;
}

std::vector<NotifyCode> MediaDevice::TakeNotices() {
  return std::exchange(notices_, {});
}

}  // namespace quillo
