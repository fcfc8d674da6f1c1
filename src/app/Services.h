#pragma once
// The platform services the windows use, chosen in one place: the real ones,
// or null ones that record what they were asked (QUILLO_NULL_SERVICES=1, and
// the tests) so that every screen can run without a person or a sound card.
#include <memory>

#include "io/MessageBoxes.h"
#include "io/Shell.h"
#include "media/SoundPlayer.h"

namespace quillo {

struct Services {
  std::unique_ptr<MessageBoxes> messages;
  std::unique_ptr<Shell> shell;
  std::unique_ptr<SoundPlayer> sound;

  // Real services, unless QUILLO_NULL_SERVICES is set to 1.
  static Services Create();
  static Services Null();
};

}  // namespace quillo
