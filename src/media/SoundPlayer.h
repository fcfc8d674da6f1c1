#pragma once
// Sound cues as a platform service. Playing never reports an error: a
// missing file or a machine without sound simply stays silent.
#include <memory>
#include <string>

#include "base/PlatformService.h"

namespace quillo {

class SoundPlayer : public PlatformService {
 public:
  // Plays a wave file given by its full path, cutting off the previous cue.
  virtual void PlayCue(const std::string& path) = 0;
  // Plays a piece of music (a MIDI file) once, replacing the one playing.
  virtual void PlayMusic(const std::string& path) = 0;

 protected:
  using PlatformService::PlatformService;
};

// Plays nothing.
class UnavailableSoundPlayer final : public SoundPlayer {
 public:
  explicit UnavailableSoundPlayer(std::string why) : SoundPlayer(std::move(why)) {}
  void PlayCue(const std::string&) override {}
  void PlayMusic(const std::string&) override {}
};

// The sound output of this machine, or a silent player that says why there is none.
std::unique_ptr<SoundPlayer> LoadSoundPlayer(bool forceUnavailable);

}  // namespace quillo
