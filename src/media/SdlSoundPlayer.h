#pragma once
// Sound cues and music through SDL2_mixer, which plays wave files and MIDI
// (through FluidSynth and the system's General MIDI soundfont). The audio
// device opens on the first sound; when it cannot be opened (no sound card)
// the player stays silent for the rest of the run. Nothing here ever reports
// an error: a missing or broken file is silence.
#include <memory>
#include <string>

#include "SoundPlayer.h"

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

namespace quillo {

class SdlSoundPlayer final : public SoundPlayer {
 public:
  SdlSoundPlayer();
  ~SdlSoundPlayer() override;
  SdlSoundPlayer(const SdlSoundPlayer&) = delete;
  SdlSoundPlayer& operator=(const SdlSoundPlayer&) = delete;

  void PlayCue(const std::string& path) override;
  void PlayMusic(const std::string& path) override;

  // False once opening the audio device has failed.
  bool Audible() const { return state_ != State::Failed; }

 private:
  enum class State { Closed, Open, Failed };
  bool OpenAudio();

  State state_ = State::Closed;
  Mix_Chunk* cue_ = nullptr;
  Mix_Music* music_ = nullptr;
};

}  // namespace quillo
