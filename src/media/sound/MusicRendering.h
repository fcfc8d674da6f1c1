#pragma once
// The music rendered once into a wave file: the synthesiser (FluidSynth) and
// its soundfont take a dozen megabytes while they play, a wave file streamed
// from disk takes next to none. The rendering runs in a program of its own,
// quillo-synth beside the modules, that loads the synthesiser module
// (SynthTable.h) and gives its memory back when it ends; its file is kept
// between runs.
#include <string>

namespace quillo::sound {

// The wave file of the MIDI file in cacheFolder, rendered now when it is not
// there yet, and the renderings of other tunes or soundfonts removed; its
// name changes with the MIDI bytes and the soundfont file (its path, size
// and time). The soundfont is the first of SDL_SOUNDFONTS (paths between ';'
// or ':', as SDL_mixer takes them) that exists, else the system's General
// MIDI soundfont. Empty when it cannot be had (no soundfont, rendering
// program or synthesiser module, a broken MIDI file, a disk that is full, a
// rendering that does not finish in time).
std::string RenderedMusic(const std::string& midiPath, const std::string& cacheFolder);

}  // namespace quillo::sound
