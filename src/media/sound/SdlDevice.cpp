#include "SdlDevice.h"

#include <SDL.h>
#include <alsa/asoundlib.h>

#include <algorithm>
#include <cstring>
#include <span>

#include "MusicRendering.h"
#include "SynthTable.h"
#include "base/ByteCursor.h"
#include "base/FileBytes.h"
#include "media/core/SampleMixing.h"

namespace quillo::sound {

namespace {

constexpr int kFrames = 1024;  // frames a call of the audio thread fills
constexpr std::size_t kWaveHeaderBytes = 44;

// ALSA writes its complaints (no sound card, for one) to standard error;
// Quillo stays quiet about sound, so they go nowhere.
void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// Whether the header is that of a rendering: PCM, 16-bit stereo at 44.1 kHz,
// its samples from byte 44 on.
bool IsRendering(const std::uint8_t (&h)[kWaveHeaderBytes]) {
  return std::memcmp(h, "RIFF", 4) == 0 && std::memcmp(h + 8, "WAVEfmt ", 8) == 0 &&
         LoadU32(h + 16) == 16 && LoadU16(h + 20) == 1 && LoadU16(h + 22) == kMusicChannels &&
         LoadU32(h + 24) == kMusicRate && LoadU16(h + 34) == 16 &&
         std::memcmp(h + 36, "data", 4) == 0;
}

// The cue's samples as the mixer plays them; empty when SDL cannot read or
// convert the file.
std::vector<std::int16_t> ReadCue(const std::string& path) {
  SDL_AudioSpec spec{};
  Uint8* data = nullptr;
  Uint32 length = 0;
  if (!SDL_LoadWAV(path.c_str(), &spec, &data, &length)) return {};
  std::vector<std::int16_t> samples;
  SDL_AudioCVT cvt{};
  const int built = SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, AUDIO_S16SYS,
                                      kMusicChannels, kMusicRate);
  if (built >= 0) {
    std::vector<Uint8> buffer(static_cast<std::size_t>(length) * std::max(cvt.len_mult, 1));
    std::memcpy(buffer.data(), data, length);
    cvt.buf = buffer.data();
    cvt.len = static_cast<int>(length);
    if (built == 0 || SDL_ConvertAudio(&cvt) == 0) {
      const std::size_t bytes = built == 0 ? length : static_cast<std::size_t>(cvt.len_cvt);
      samples.resize(bytes / 2);
      std::memcpy(samples.data(), buffer.data(), samples.size() * 2);
    }
  }
  SDL_FreeWAV(data);
  return samples;
}

}  // namespace

std::unique_ptr<SoundDevice> SdlDevice::Open() {
  snd_lib_error_set_handler(IgnoreAlsaError);
  // SDL would catch SIGINT and SIGTERM for a quit event nobody reads, and
  // the program could no longer be interrupted or terminated.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    SDL_Quit();
    return nullptr;
  }
  SDL_AudioSpec want{};
  want.freq = kMusicRate;
  want.format = AUDIO_S16SYS;
  want.channels = kMusicChannels;
  want.samples = kFrames;
  want.callback = Fill;
  auto opened = std::make_unique<SdlDevice>(Opened{});
  want.userdata = opened.get();
  SDL_AudioSpec have{};
  // No changes allowed: SDL converts to whatever the device takes.
  opened->device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  if (opened->device_ == 0) {
    SDL_Quit();
    return nullptr;
  }
  SDL_PauseAudioDevice(opened->device_, 0);  // opened paused
  return opened;
}

SdlDevice::~SdlDevice() {
  if (device_ == 0) return;
  SDL_CloseAudioDevice(device_);
  // All of SDL, not its audio alone: the device is SDL's only use here, and
  // only a full quit frees what it keeps (its hints, for one).
  SDL_Quit();
}

void SdlDevice::Fill(void* self, std::uint8_t* stream, int len) {
  auto& device = *static_cast<SdlDevice*>(self);
  std::memset(stream, 0, static_cast<std::size_t>(len));
  const std::span out(reinterpret_cast<std::int16_t*>(stream), static_cast<std::size_t>(len) / 2);
  if (device.music_) {
    device.musicBlock_.resize(out.size());
    const std::size_t got =
        std::fread(device.musicBlock_.data(), 2, out.size(), device.music_.get());
    MixSamples(out, std::span(device.musicBlock_).first(got));
    if (got < out.size()) device.music_.reset();  // played once
  }
  if (device.cueAt_ < device.cue_.size()) {
    const auto rest = std::span(device.cue_).subspan(device.cueAt_);
    MixSamples(out, rest);
    device.cueAt_ += std::min(rest.size(), out.size());
  }
}

void SdlDevice::PlayCue(const std::string& path) {
  if (!IsRegularFile(path)) return;
  std::vector<std::int16_t> samples = ReadCue(path);
  if (samples.empty()) return;
  // The new cue cuts off the old one.
  SDL_LockAudioDevice(device_);
  cue_.swap(samples);
  cueAt_ = 0;
  SDL_UnlockAudioDevice(device_);
}

void SdlDevice::PlayMusic(const std::string& path, const std::string& cacheFolder) {
  if (!IsRegularFile(path)) return;
  const std::string wave = RenderedMusic(path, cacheFolder);
  if (wave.empty()) return;
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(wave.c_str(), "rb"));
  std::uint8_t header[kWaveHeaderBytes];
  if (!file || std::fread(header, 1, sizeof header, file.get()) != sizeof header ||
      !IsRendering(header))
    return;
  SDL_LockAudioDevice(device_);
  music_.swap(file);
  SDL_UnlockAudioDevice(device_);
  // The music replaced is closed here, outside the lock.
}

}  // namespace quillo::sound
