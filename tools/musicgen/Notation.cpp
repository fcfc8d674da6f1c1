#include "Notation.h"

#include <algorithm>
#include <string>

#include "base/Error.h"

namespace quillo::music {

namespace {

[[noreturn]] void Fail(std::string_view what, std::string_view text) {
  throw Error("bad " + std::string(what) + " in the note tables: \"" + std::string(text) + "\"");
}

// The words of text between spaces.
std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  std::size_t at = 0;
  while ((at = text.find_first_not_of(' ', at)) != std::string_view::npos) {
    const std::size_t end = std::min(text.find(' ', at), text.size());
    words.push_back(text.substr(at, end - at));
    at = end;
  }
  return words;
}

}  // namespace

int KeyNumber(std::string_view name) {
  // Semitones above C of the letters A to G.
  constexpr int kLetters[] = {9, 11, 0, 2, 4, 5, 7};
  if (name.size() < 2 || name.size() > 3 || name[0] < 'A' || name[0] > 'G') Fail("key", name);
  int key = kLetters[name[0] - 'A'];
  if (name.size() == 3) {
    if (name[1] == '#')
      ++key;
    else if (name[1] == 'b')
      --key;
    else
      Fail("key", name);
  }
  const char octave = name.back();
  if (octave < '0' || octave > '9') Fail("key", name);
  key += 12 * (octave - '0' + 1);
  if (key < 0 || key > 127) Fail("key", name);
  return key;
}

std::vector<Step> ParseSteps(std::string_view line) {
  std::vector<Step> steps;
  for (std::string_view word : Words(line)) {
    const std::size_t colon = word.find(':');
    if (colon == std::string_view::npos) Fail("step", word);
    const std::string_view key = word.substr(0, colon), length = word.substr(colon + 1);
    if (length.empty() || length.size() > 2 ||
        length.find_first_not_of("0123456789") != std::string_view::npos)
      Fail("step", word);
    const int sixteenths = std::stoi(std::string(length));
    if (sixteenths == 0) Fail("step", word);
    steps.push_back({key == "r" ? kRest : KeyNumber(key), sixteenths});
  }
  return steps;
}

std::vector<int> ParseKeys(std::string_view keys) {
  std::vector<int> numbers;
  for (std::string_view word : Words(keys)) numbers.push_back(KeyNumber(word));
  return numbers;
}

std::vector<Hit> ParseHits(std::string_view line) {
  std::vector<Hit> hits;
  for (char c : line) {
    if (c == 'X')
      hits.push_back(Hit::Loud);
    else if (c == 'x')
      hits.push_back(Hit::Soft);
    else if (c == '.')
      hits.push_back(Hit::None);
    else
      Fail("drum line", line);
  }
  return hits;
}

}  // namespace quillo::music
