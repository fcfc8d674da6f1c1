#include "SdlDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <alsa/asoundlib.h>
#include <sys/stat.h>

#include "MusicRendering.h"

namespace quillo::sound {

namespace {

constexpr int kCueChannel = 0;

// ALSA writes its complaints (no sound card, for one) to standard error;
// Quillo stays quiet about sound, so they go nowhere.
void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

bool IsFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

std::unique_ptr<SoundDevice> SdlDevice::Open() {
  snd_lib_error_set_handler(IgnoreAlsaError);
  // SDL would catch SIGINT and SIGTERM for a quit event nobody reads, and
  // the program could no longer be interrupted or terminated.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return nullptr;
  if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return nullptr;
  }
  Mix_Init(MIX_INIT_MID);
  Mix_AllocateChannels(1);
  return std::make_unique<SdlDevice>(Opened{});
}

SdlDevice::~SdlDevice() {
  Mix_HaltChannel(-1);
  Mix_HaltMusic();
  if (cue_) Mix_FreeChunk(cue_);
  if (music_) Mix_FreeMusic(music_);
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlDevice::PlayCue(const std::string& path) {
  if (!IsFile(path)) return;
  Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
  if (!chunk) return;
  // The new cue cuts off the old one.
  Mix_HaltChannel(kCueChannel);
  if (cue_) Mix_FreeChunk(cue_);
  cue_ = chunk;
  Mix_PlayChannel(kCueChannel, cue_, 0);
}

void SdlDevice::PlayMusic(const std::string& path, const std::string& cacheFolder) {
  if (!IsFile(path)) return;
  const std::string wave = RenderedMusic(path, cacheFolder);
  Mix_Music* music = Mix_LoadMUS((wave.empty() ? path : wave).c_str());
  if (!music) return;
  Mix_HaltMusic();
  if (music_) Mix_FreeMusic(music_);
  music_ = music;
  Mix_PlayMusic(music_, 1);
}

}  // namespace quillo::sound
