#include "SdlSoundPlayer.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <alsa/asoundlib.h>
#include <sys/stat.h>

namespace quillo {

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

SdlSoundPlayer::SdlSoundPlayer() = default;

SdlSoundPlayer::~SdlSoundPlayer() {
  if (state_ != State::Open) return;
  Mix_HaltChannel(-1);
  Mix_HaltMusic();
  if (cue_) Mix_FreeChunk(cue_);
  if (music_) Mix_FreeMusic(music_);
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlSoundPlayer::OpenAudio() {
  if (state_ == State::Closed) {
    state_ = State::Failed;
    snd_lib_error_set_handler(IgnoreAlsaError);
    // SDL would catch SIGINT and SIGTERM for a quit event nobody reads, and
    // the program could no longer be interrupted or terminated.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      return false;
    }
    Mix_Init(MIX_INIT_MID);
    Mix_AllocateChannels(1);
    state_ = State::Open;
  }
  return state_ == State::Open;
}

void SdlSoundPlayer::PlayCue(const std::string& path) {
  if (!IsFile(path) || !OpenAudio()) return;
  Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
  if (!chunk) return;
  // The new cue cuts off the old one.
  Mix_HaltChannel(kCueChannel);
  if (cue_) Mix_FreeChunk(cue_);
  cue_ = chunk;
  Mix_PlayChannel(kCueChannel, cue_, 0);
}

void SdlSoundPlayer::PlayMusic(const std::string& path) {
  if (!IsFile(path) || !OpenAudio()) return;
  Mix_Music* music = Mix_LoadMUS(path.c_str());
  if (!music) return;
  Mix_HaltMusic();
  if (music_) Mix_FreeMusic(music_);
  music_ = music;
  Mix_PlayMusic(music_, 1);
}

}  // namespace quillo
