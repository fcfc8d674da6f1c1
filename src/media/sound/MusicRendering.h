#pragma once
// The music rendered once into a wave file: the synthesiser (FluidSynth) and
// its soundfont take a dozen megabytes while they play, a wave file streamed
// from disk takes next to none. The rendering runs in a child process, which
// gives its memory back when it ends, and its file is kept between runs.
#include <cstdint>
#include <span>
#include <string>

namespace quillo::sound {

// The name of the rendering of a MIDI file with a soundfont: it changes with
// the MIDI bytes, the soundfont file (its path, size and time), the
// synthesiser's version and this format.
std::string RenderedMusicName(std::span<const std::uint8_t> midi, const std::string& soundfont);

// The wave file of the MIDI file in cacheFolder, rendered now when it is not
// there yet; empty when it cannot be had (no soundfont, a broken MIDI file, a
// disk that is full, a child that does not finish in time).
std::string RenderedMusic(const std::string& midiPath, const std::string& cacheFolder);

}  // namespace quillo::sound
