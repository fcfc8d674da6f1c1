#include "KeyFile.h"
#include "base/Text.h"

#include "base/Error.h"
#include "base/FileBytes.h"

namespace quillo {

namespace {
constexpr std::uint64_t kMaxSettingsBytes = 8u * 1024 * 1024;
}

std::optional<std::string> KeyFileSection::Get(std::string_view key) const {
  for (const auto& [k, v] : entries)
    if (k == key) return v;
  return std::nullopt;
}

const KeyFileSection* KeyFile::Find(std::string_view section) const {
  for (const KeyFileSection& s : sections)
    if (s.name == section) return &s;
  return nullptr;
}

std::string KeyFile::Value(std::string_view section, std::string_view key) const {
  const KeyFileSection* s = Find(section);
  if (s == nullptr) return {};
  return s->Get(key).value_or(std::string{});
}

KeyFile ParseKeyFile(std::string_view text) {
  KeyFile file;
  for (std::string_view line : SplitLines(text)) {
    line = TrimBlanks(line);
    if (line.empty() || line.front() == '#' || line.front() == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      file.sections.push_back({std::string(line.substr(1, line.size() - 2)), {}});
      continue;
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos || file.sections.empty()) continue;
    file.sections.back().entries.emplace_back(std::string(TrimBlanks(line.substr(0, equals))),
                                              std::string(TrimBlanks(line.substr(equals + 1))));
  }
  return file;
}

std::string ReadSettingsText(const std::string& path) {
  try {
    const std::vector<std::uint8_t> bytes = ReadFileBytes(path, kMaxSettingsBytes);
    return std::string(bytes.begin(), bytes.end());
  } catch (const Error&) {
    return {};
  }
}

}  // namespace quillo
