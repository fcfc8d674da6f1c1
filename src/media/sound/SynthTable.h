#pragma once
// The synthesiser module (libquillo_synth.so): FluidSynth rendering a MIDI file
// into a wave file. Only the program quillo-synth loads it (see
// MusicRendering.h), so the synthesiser and its libraries are never mapped
// in Quillo. To change the table, raise kSynthTableVersion.
#include <string>

#include "base/Module.h"

namespace quillo::sound {

inline constexpr int kSynthTableVersion = 1;
inline constexpr const char* kSynthModuleFile = "libquillo_synth.so";
// The module's one exported symbol, extern "C" const void* quillo_synth_table(),
// gives its table (every module's entry has that type: base/Module.h).
inline constexpr const char* kSynthTableEntry = "quillo_synth_table";
inline constexpr ModuleKind kSynthModule{"synthesiser module", kSynthModuleFile,
                                         "QUILLO_SYNTH_MODULE", kSynthTableEntry,
                                         kSynthTableVersion};
// The program that renders, beside the modules.
inline constexpr const char* kSynthProgramFile = "quillo-synth";

// The rendering: 16-bit stereo at 44.1 kHz, as loud as SDL_mixer would play
// the MIDI file at full volume, ending a moment after the last note has died
// away.
inline constexpr int kMusicRate = 44100;
inline constexpr int kMusicChannels = 2;

struct SynthTable {
  int version = kSynthTableVersion;
  // Renders the MIDI file with the soundfont into a wave file written
  // atomically at out; false when it could not.
  bool (*render)(const std::string& midi, const std::string& soundfont,
                 const std::string& out) = nullptr;
};

}  // namespace quillo::sound
