#include "UrlShortcut.h"

#include <algorithm>
#include <cctype>

#include "base/Text.h"

namespace quillo {

namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

bool StartsIgnoringCase(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && EqualsIgnoringCase(s.substr(0, prefix.size()), prefix);
}

}  // namespace

std::optional<std::string> ShortcutUrl(std::string_view text) {
  bool inSection = false;
  for (std::string_view line : SplitLines(text)) {
    line = TrimBlanks(line);
    if (line.starts_with('[')) {
      inSection = EqualsIgnoringCase(line, "[InternetShortcut]");
      continue;
    }
    const auto eq = line.find('=');
    if (inSection && eq != std::string_view::npos &&
        EqualsIgnoringCase(TrimBlanks(line.substr(0, eq)), "URL")) {
      const std::string_view url = TrimBlanks(line.substr(eq + 1));
      if (!url.empty()) return std::string(url);
    }
  }
  return std::nullopt;
}

bool IsWebAddress(std::string_view url) {
  for (const char c : url)
    if (static_cast<unsigned char>(c) <= 0x20 || c == 0x7F) return false;
  std::string_view rest;
  if (StartsIgnoringCase(url, "https://"))
    rest = url.substr(8);
  else if (StartsIgnoringCase(url, "http://"))
    rest = url.substr(7);
  else
    return false;
  const std::string_view host = rest.substr(0, rest.find_first_of("/?#\\"));
  return !host.empty() && host.find('@') == std::string_view::npos;
}

}  // namespace quillo
