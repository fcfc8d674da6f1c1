#pragma once
// A playback device for one opened video, as the video player control drives
// it: a position that runs with the clock while playing, seeks and steps,
// pause and resume, and the completion notices of the commands that ask for
// one. Pure logic: the caller passes the time and decodes the frame to show.
#include <optional>
#include <string>
#include <vector>

namespace quillo {

// The playback modes, numbered as GetMode reports them.
enum class MediaMode : int {
  NotReady = 0,
  Stopped = 1,
  Playing = 2,
  Recording = 3,
  Seeking = 4,
  Paused = 5,
  Open = 6,
};

// The codes of a completion notice.
enum class NotifyCode : int { Successful = 1, Superseded = 2, Aborted = 4, Failure = 8 };

// Time formats of positions and lengths.
enum class TimeFormat : int { Milliseconds = 0, Frames = 3 };

// Result codes of the commands; 0 is success.
constexpr int kMediaUnsupported = 274;    // the device cannot do that (recording, saving)
constexpr int kMediaOutOfRange = 282;     // a position beyond the media
constexpr int kMediaBadTimeFormat = 293;  // a time format the device does not know
// The sentence for a result code, "Unknown error code" for others.
std::string MediaErrorText(int code);

// What the decoder found in the file.
struct MediaInfo {
  int frames = 0;              // number of frames, at least 1
  double framesPerSecond = 0;  // positive
  int width = 0;
  int height = 0;
};

class MediaDevice {
 public:
  explicit MediaDevice(MediaInfo info);

  const MediaInfo& Info() const { return info_; }
  TimeFormat Format() const { return format_; }
  int SetTimeFormat(int format, bool notify);

  // Lengths and positions in the time format.
  int Length() const;
  int Position() const;
  MediaMode Mode() const { return mode_; }
  // The frame on show, 0 to frames - 1.
  int Frame() const;

  // The commands, each returning its result code. now is the clock in
  // milliseconds; notify asks for a completion notice.
  int Play(std::optional<int> from, std::optional<int> to, bool notify, double now);
  int Stop(bool notify);
  int Pause(bool notify, double now);
  int Resume(bool notify, double now);
  int Seek(int position, bool notify);
  int Step(int frames, bool notify);
  // Any other command that completes at once (a query with notify).
  void Complete(bool notify);

  // Moves playback on to the time now; a play that reaches its end stops there
  // and completes its notice.
  void Advance(double now);
  // The completion notices sent since the last call, oldest first.
  std::vector<NotifyCode> TakeNotices();

 private:
  int ToFrames(int position) const;
  int FromFrames(int frames) const;
  int PlayedFrame(double now) const;
  // A new notice request replaces a pending one (superseded); a command that
  // interrupts playback ends it (aborted).
  void Request(bool notify, bool interrupts);
  void Send(NotifyCode code) { notices_.push_back(code); }

  MediaInfo info_;
  TimeFormat format_ = TimeFormat::Frames;
  MediaMode mode_ = MediaMode::Stopped;
  int frame_ = 0;  // position in frames when not playing; start of the run when playing
  int end_ = 0;    // where the running play stops, in frames
  double started_ = 0;
  bool playNotice_ = false;  // the running or paused play sends a notice at its end
  std::vector<NotifyCode> notices_;
};

}  // namespace quillo
