#pragma once
// The audio device through SDL2_mixer. Nothing here reports an error.
#include <memory>
#include <string>

#include "media/SoundTable.h"

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

namespace quillo::sound {

class SdlDevice final : public SoundDevice {
  struct Opened {};

 public:
  // The open device, or nullptr when it cannot be opened.
  static std::unique_ptr<SoundDevice> Open();
  explicit SdlDevice(Opened) {}
  ~SdlDevice() override;
  SdlDevice(const SdlDevice&) = delete;
  SdlDevice& operator=(const SdlDevice&) = delete;

  void PlayCue(const std::string& path) override;
  void PlayMusic(const std::string& path, const std::string& cacheFolder) override;

 private:
  Mix_Chunk* cue_ = nullptr;
  Mix_Music* music_ = nullptr;
};

}  // namespace quillo::sound
