#include "SoundPlayer.h"

namespace quillo {

std::unique_ptr<SoundPlayer> LoadSoundPlayer(bool forceUnavailable) {
  if (forceUnavailable) return std::make_unique<UnavailableSoundPlayer>(kServiceTurnedOff);
  // Sound output comes with the cue player; until then Quillo is silent.
  return std::make_unique<UnavailableSoundPlayer>("This Quillo plays no sound yet");
}

}  // namespace quillo
