#include "Arguments.h"

#include <charconv>
#include <cmath>

#include "base/Error.h"

namespace quillo {

std::optional<std::string> Arguments::Option(const std::string& name) const {
  const auto it = options.find(name);
  if (it == options.end()) return std::nullopt;
  return it->second;
}

Arguments ParseArguments(const std::vector<std::string>& words,
                         const std::set<std::string>& valueOptions,
                         const std::set<std::string>& flagOptions) {
  Arguments out;
  bool onlyPositional = false;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (onlyPositional || !word.starts_with("--")) {
      out.positional.push_back(word);
      continue;
    }
    if (word == "--") {
      onlyPositional = true;
      continue;
    }
    const auto eq = word.find('=');
    const std::string name = word.substr(2, eq == std::string::npos ? std::string::npos : eq - 2);
    if (flagOptions.count(name)) {
      if (eq != std::string::npos) throw Error("option --" + name + " takes no value");
      out.flags.insert(name);
    } else if (valueOptions.count(name)) {
      std::string value;
      if (eq != std::string::npos) {
        value = word.substr(eq + 1);
      } else {
        if (i + 1 >= words.size()) throw Error("option --" + name + " needs a value");
        value = words[++i];
      }
      if (!out.options.emplace(name, value).second)
        throw Error("option --" + name + " is given twice");
    } else {
      throw Error("unknown option " + word);
    }
  }
  return out;
}

double ParseNumber(const std::string& word, const std::string& what) {
  double value = 0;
  const char* end = word.data() + word.size();
  const auto [ptr, ec] = std::from_chars(word.data(), end, value);
  if (word.empty() || ec != std::errc() || ptr != end || !std::isfinite(value))
    throw Error("malformed " + what + " \"" + word + "\"");
  return value;
}

int ParseInteger(const std::string& word, const std::string& what) {
  int value = 0;
  const char* end = word.data() + word.size();
  const auto [ptr, ec] = std::from_chars(word.data(), end, value);
  if (word.empty() || ec != std::errc() || ptr != end)
    throw Error("malformed " + what + " \"" + word + "\"");
  return value;
}

}  // namespace quillo
