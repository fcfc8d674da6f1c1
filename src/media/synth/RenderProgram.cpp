// quillo-synth MIDI SOUNDFONT OUT: renders the MIDI file with the soundfont
// into the wave file OUT through the synthesiser module, for the sound
// module (media/sound/MusicRendering.h). Exits 0 when OUT was written.
#include <unistd.h>

#include "base/Error.h"
#include "media/sound/SynthTable.h"

int main(int argc, char** argv) {
  int status = 2;
  if (argc == 4) {
    try {
      const auto* synth = static_cast<const quillo::sound::SynthTable*>(
          quillo::FindModule(quillo::sound::kSynthModule));
      status = synth->render(argv[1], argv[2], argv[3]) ? 0 : 1;
    } catch (const quillo::Error&) {
      status = 1;
    }
  }
  // Straight out, as the rendering is written: what the synthesiser keeps
  // until the end is the system's to take back.
  _exit(status);
}
