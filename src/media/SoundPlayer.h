#pragma once
// Sound cues as a platform service. Playing never reports an error: a
// missing file or a machine without sound simply stays silent.
#include <string>
#include <vector>

namespace quillo {

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // Plays a wave file given by its full path, cutting off the previous cue.
  virtual void PlayCue(const std::string& path) = 0;
};

// Plays nothing; remembers what it was asked to play.
class NullSoundPlayer final : public SoundPlayer {
 public:
  void PlayCue(const std::string& path) override { played.push_back(path); }
  std::vector<std::string> played;
};

}  // namespace quillo
