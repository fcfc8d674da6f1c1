#pragma once
// The video player control: a child window that plays a video file into its
// own rectangle, stretched to the control or at natural size, optionally
// looping. It has no buttons; it is the video's display surface. Commands
// follow a media player's set: open, play, stop, pause, seek, step, status,
// with Wait, Notify, From and To options for the next command only.
#include <QElapsedTimer>
#include <QRect>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "base/Rect.h"
#include "media/core/CommandOptions.h"
#include "media/core/MediaDevice.h"

namespace quillo {

class VideoDecoder;

// The result code of a command on a player with no open device.
constexpr int kMediaNoDevice = 257;

class TVideoPlayer : public QWidget {
 public:
  using Callback = std::function<void(TVideoPlayer*)>;
  enum class DeviceKind { Automatic };

  explicit TVideoPlayer(QWidget* parent = nullptr);
  ~TVideoPlayer() override;

  bool AutoOpen = false;   // open as soon as Loaded() runs
  bool AutoRewind = true;  // a play or step at the end starts from the start
  bool AutoLoop = false;   // a play that completes at the end rewinds and plays again
  bool Shareable = false;  // kept for completeness; files are always shared here
  std::string FileName;
  Callback OnNotify;  // every completion notice
  Callback OnMouseEnter;
  Callback OnMouseLeave;

  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);
  DeviceKind DeviceType() const { return DeviceKind::Automatic; }
  QWidget* Display() { return this; }

  // What Open found.
  bool CanPlay = false, CanRecord = false, CanEject = false, HasVideo = false, CanStep = false;
  int NaturalWidth = 0, NaturalHeight = 0;
  int Frames = 0;  // the step size: the length / 10
  bool Opened() const { return device_ != nullptr; }
  int LastError() const { return error_; }
  // 0 successful, 1 superseded, 2 aborted, 3 failure, of the last notice.
  int NotifyValue() const { return notifyValue_; }

  // Runs after the control has been set up: opens when AutoOpen.
  void Loaded();

  // Commands. Open and the commands that need an open device throw
  // quillo::Error; the others return their result code, also kept as the
  // last error.
  void Open();
  int Close();
  int Play();
  int StartRecording();
  int Stop();
  int PauseOnly();
  int Pause();
  int Resume();
  int Next();
  int Previous();
  int Step();
  int Back();
  int SetPosition(int position);
  int Rewind();
  int Save();

  // Status queries.
  int GetLength();
  int GetStart();
  int GetTracks();
  int GetTimeFormat();
  int GetPosition();
  int GetMode();  // 0 not ready (also when closed), 1 stopped, 2 playing, ... 5 paused
  int GetTrackLength(int track);
  int GetTrackPosition(int track);
  int SetTimeFormat(int format);

  // Where the picture goes; a rectangle with right and bottom 0 reaches to the
  // control's right and bottom edges. Nothing without an open video.
  void SetDisplayRect(Rect rect);
  Rect GetDisplayRect() const;

  // One-shot options for the next command.
  void SetWait(bool wait) { options_.SetWait(wait); }
  void SetNotify(bool notify) { options_.SetNotify(notify); }
  void SetFrom(int position) { options_.SetFrom(position); }
  void SetTo(int position) { options_.SetTo(position); }

  // The clock playback follows, in milliseconds; an empty one (the default)
  // is the wall clock. Tests set their own and call Tick(). Set it while
  // nothing plays; a play with the Wait option returns once the clock has
  // passed its end.
  using Clock = std::function<double()>;
  void SetClock(Clock clock) { clock_ = std::move(clock); }

  // Moves playback to the clock now (the frame timer calls it; tests too).
  void Tick();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void CheckOpen() const;
  Rect ClientRect() const;
  int Store(int result);
  double Now() const;
  void StartFrameTimer();  // ticks at the video's frame interval
  int StartPlay(const CommandFlags& flags);
  void ShowFrame();
  void AfterCommand(bool wait);
  void DeliverNotices();
  void HandleNotice(NotifyCode code);

  std::unique_ptr<VideoDecoder> decoder_;
  std::unique_ptr<MediaDevice> device_;
  CommandOptions options_;
  QTimer frameTimer_;
  Clock clock_;
  QElapsedTimer wallClock_;
  QRect displayRect_;  // in the toolkit's terms
  int shownFrame_ = -1;
  bool stretch_ = true;
  int error_ = 0;
  int notifyValue_ = 0;
};

}  // namespace quillo
