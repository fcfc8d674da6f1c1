#pragma once
// The note tables' notation. A key is a letter, an optional sharp '#' or flat
// 'b' and an octave digit, with C4 as middle C (key 60). A line is a list of
// steps separated by spaces, each a key or 'r' (a rest), a colon and a length
// in sixteenth notes: "C5:4 E5:2 r:2". A drum line has one character per
// sixteenth note: 'X' a loud stroke, 'x' a soft one, '.' none.
#include <string_view>
#include <vector>

namespace quillo::music {

inline constexpr int kRest = -1;

struct Step {
  int key;     // kRest for a rest
  int length;  // in sixteenth notes
};

enum class Hit { None, Soft, Loud };

// Each throws quillo::Error, naming the text, for anything else.
int KeyNumber(std::string_view name);
std::vector<Step> ParseSteps(std::string_view line);
std::vector<int> ParseKeys(std::string_view keys);  // "C4 E4 G4"
std::vector<Hit> ParseHits(std::string_view line);

}  // namespace quillo::music
