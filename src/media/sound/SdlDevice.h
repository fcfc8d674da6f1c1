#pragma once
// The audio device through SDL2: one cue at a time and the music beside it,
// mixed here as 16-bit stereo at 44.1 kHz (SDL converts to what the device
// takes). Cues are read whole; the music, a wave file of that format
// (MusicRendering.h), is streamed from disk as it plays. Nothing here
// reports an error.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "media/SoundTable.h"

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
  struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  // SDL's audio thread asks for len bytes of samples.
  static void Fill(void* self, std::uint8_t* stream, int len);

  std::uint32_t device_ = 0;
  // Read and written under the device's lock (SDL_LockAudioDevice):
  std::vector<std::int16_t> cue_;
  std::size_t cueAt_ = 0;
  std::unique_ptr<std::FILE, FileCloser> music_;
  std::vector<std::int16_t> musicBlock_;
};

}  // namespace quillo::sound
