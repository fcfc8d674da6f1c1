#include "Services.h"

#include <QtGlobal>

namespace quillo {

Services Services::Load() {
  const bool forced = qEnvironmentVariableIntValue("QUILLO_NULL_SERVICES") == 1;
  Services s;
  s.messages = LoadMessageBoxes(forced);
  s.shell = LoadShell(forced);
  s.sound = LoadSoundPlayer(forced);
  s.files = LoadFileChoosers(forced);
  s.printers = LoadPrinters(forced);
  s.codecs = LoadVideoCodecChooser(forced);
  s.scanner = LoadScanner(forced);
  s.clipboard = LoadClipboard(forced);
  s.faces = LoadFaceFinder(forced);
  return s;
}

}  // namespace quillo
