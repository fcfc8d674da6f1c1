#include "SoundPlayer.h"

#include "SoundThread.h"

namespace quillo {

std::unique_ptr<SoundPlayer> LoadSoundPlayer(bool forceUnavailable) {
  if (forceUnavailable) return std::make_unique<UnavailableSoundPlayer>(kServiceTurnedOff);
  // The module and the device open on the first sound; silent if they cannot.
  return std::make_unique<SoundThread>();
}

}  // namespace quillo
