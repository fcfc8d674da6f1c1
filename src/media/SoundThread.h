#pragma once
// Sound cues and music on a thread of their own. The first sound loads the
// sound module (SoundTable.h) and opens the audio device there, so that
// neither SDL and its libraries nor the device delay the window; every call
// returns at once. When the module or the device is missing the player stays
// silent for the rest of the run. Nothing here reports an error.
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "SoundPlayer.h"

namespace quillo {

namespace sound {
class SoundDevice;
}

class SoundThread final : public SoundPlayer {
 public:
  SoundThread();
  ~SoundThread() override;  // stops the sound and the thread
  SoundThread(const SoundThread&) = delete;
  SoundThread& operator=(const SoundThread&) = delete;

  void PlayCue(const std::string& path) override;
  void PlayMusic(const std::string& path) override;

  // Waits until every sound asked for has been started (for tests).
  void WaitUntilIdle();
  // False once the module or the device has failed to open.
  bool Audible();

 private:
  struct Request {
    bool music = false;
    std::string path;
  };
  void Ask(Request request);
  void Run();

  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Request> requests_;
  bool busy_ = false;
  bool stopping_ = false;
  bool failed_ = false;
  std::thread thread_;  // started by the first sound
};

}  // namespace quillo
