#include "KeyFile.h"

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

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const auto end = text.find('\n');
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
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
