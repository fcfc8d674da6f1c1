#pragma once
// The platform services the windows use, loaded in one place: each loader
// gives the real adapter when it works on this machine, or an unavailable one
// that says why. QUILLO_NULL_SERVICES=1 makes them all unavailable, for tests
// that run the real program; the tests' recording doubles live in tests/support.
#include <memory>

#include "effects/FaceFinder.h"
#include "io/Clipboard.h"
#include "io/FileChoosers.h"
#include "io/MessageBoxes.h"
#include "io/Printers.h"
#include "io/Scanner.h"
#include "io/Shell.h"
#include "io/VideoCodecChooser.h"
#include "media/SoundPlayer.h"

namespace quillo {

struct Services {
  std::unique_ptr<MessageBoxes> messages;
  std::unique_ptr<Shell> shell;
  std::unique_ptr<SoundPlayer> sound;
  std::unique_ptr<FileChoosers> files;
  std::unique_ptr<Printers> printers;
  std::unique_ptr<VideoCodecChooser> codecs;
  std::unique_ptr<Scanner> scanner;
  std::unique_ptr<Clipboard> clipboard;
  std::unique_ptr<FaceFinder> faces;

  static Services Load();
};

}  // namespace quillo
