#include "Services.h"

#include <QtGlobal>

namespace quillo {

Services Services::Null() {
  Services s;
  s.messages = std::make_unique<NullMessageBoxes>();
  s.shell = std::make_unique<NullShell>();
  s.sound = std::make_unique<NullSoundPlayer>();
  return s;
}

Services Services::Create() {
  if (qEnvironmentVariableIntValue("QUILLO_NULL_SERVICES") == 1) return Null();
  Services s;
  s.messages = std::make_unique<QtMessageBoxes>();
  s.shell = std::make_unique<QtShell>();
  s.sound = std::make_unique<NullSoundPlayer>();  // sound output arrives with the cue player
  return s;
}

}  // namespace quillo
