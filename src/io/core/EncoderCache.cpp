#include "EncoderCache.h"

#include <sstream>

#include "base/FileBytes.h"

namespace quillo {

namespace {

constexpr const char* kFirstLine = "quillo encoders 1";

bool Printable(const std::string& s) {
  for (const char c : s)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
  return true;
}

}  // namespace

std::string EncoderCachePath(const std::string& container, int width, int height) {
  const std::string folder = CacheFolder();
  if (folder.empty()) return {};
  return folder + "/encoders-" + container + "-" + std::to_string(width) + "x" +
         std::to_string(height);
}

std::string FormatEncoderCache(const std::string& build,
                               const std::vector<CachedEncoder>& encoders) {
  std::string text = std::string(kFirstLine) + "\n" + build + "\n";
  for (const auto& [name, description] : encoders) text += name + "\t" + description + "\n";
  return text;
}

std::optional<std::vector<CachedEncoder>> ParseEncoderCache(const std::string& text,
                                                            const std::string& build) {
  if (!text.ends_with('\n')) return std::nullopt;  // cut short
  std::istringstream lines(text);
  std::string line;
  if (!std::getline(lines, line) || line != kFirstLine) return std::nullopt;
  if (!std::getline(lines, line) || line != build) return std::nullopt;
  std::vector<CachedEncoder> encoders;
  while (std::getline(lines, line)) {
    const std::string::size_type tab = line.find('\t');
    if (tab == 0 || tab == std::string::npos) return std::nullopt;
    CachedEncoder e{line.substr(0, tab), line.substr(tab + 1)};
    if (e.second.empty() || !Printable(e.first) || !Printable(e.second)) return std::nullopt;
    encoders.push_back(std::move(e));
  }
  return encoders;
}

}  // namespace quillo
