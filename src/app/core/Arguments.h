#pragma once
// A small parser for the sub-commands' words: options "--name value" or
// "--name=value", flags "--name", and positional words.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace quillo {

struct Arguments {
  std::map<std::string, std::string> options;
  std::set<std::string> flags;
  std::vector<std::string> positional;

  std::optional<std::string> Option(const std::string& name) const;
};

// Throws quillo::Error for an unknown option, a missing value or a repeated option.
Arguments ParseArguments(const std::vector<std::string>& words,
                         const std::set<std::string>& valueOptions,
                         const std::set<std::string>& flagOptions);

// Strict numbers: the whole word must be the number. Throw quillo::Error
// naming what was meant ("strength", "centre") otherwise.
double ParseNumber(const std::string& word, const std::string& what);
int ParseInteger(const std::string& word, const std::string& what);

}  // namespace quillo
