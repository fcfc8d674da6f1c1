#pragma once
// The wave cues of the data folder, each under its data-file name
// (io/core/DataFiles.h).
#include <cstdint>
#include <string>
#include <vector>

namespace quillo::sound {

struct Cue {
  std::string file;
  std::vector<std::int16_t> samples;
};

// The program's events: start, the slides, the sliders, open, save, exit,
// cancel and the press.
std::vector<Cue> EventCues();

// The nine cues played at random when the pointer passes over a control.
std::vector<Cue> HoverCues();

}  // namespace quillo::sound
