// The sound module's table (media/SoundTable.h).
#include "SdlDevice.h"
#include "media/SoundTable.h"

extern "C" const void* quillo_sound_table() {
  static const quillo::sound::SoundTable table{.open = quillo::sound::SdlDevice::Open};
  return &table;
}
