#include "SoundPlayer.h"

#include "SdlSoundPlayer.h"

namespace quillo {

std::unique_ptr<SoundPlayer> LoadSoundPlayer(bool forceUnavailable) {
  if (forceUnavailable) return std::make_unique<UnavailableSoundPlayer>(kServiceTurnedOff);
  // The device itself opens on the first sound and stays silent if it cannot.
  return std::make_unique<SdlSoundPlayer>();
}

}  // namespace quillo
