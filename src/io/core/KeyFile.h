#pragma once
// Settings files of the "[section]" and "key=value" kind that mail programs
// keep: sections in file order, keys in line order, comments skipped.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillo {

struct KeyFileSection {
  std::string name;
  std::vector<std::pair<std::string, std::string>> entries;

  // The value of the first entry with that key (keys match exactly).
  std::optional<std::string> Get(std::string_view key) const;
};

struct KeyFile {
  std::vector<KeyFileSection> sections;

  // The first section of that name, or none.
  const KeyFileSection* Find(std::string_view section) const;
  // A key's value in a section; empty when either is missing.
  std::string Value(std::string_view section, std::string_view key) const;
};

// Parses text; lines before the first section and lines without "=" are
// ignored, keys and values are trimmed of spaces and tabs.
KeyFile ParseKeyFile(std::string_view text);

// Reads a settings file of at most a few megabytes; a missing, unreadable or
// larger file gives an empty text, since every mail source is optional.
std::string ReadSettingsText(const std::string& path);

}  // namespace quillo
