// Writes the desktop integration files from their templates in desktop/: the
// menu entry, the metainfo and the shell completion. Besides the KEY=VALUE
// pairs of the command line it fills in what the picture format registry
// knows, so that the menu entry and the completion offer exactly what the
// open dialog lists:
//   @PICTURE_MIME_TYPES@  the MIME types Quillo reads, each followed by ";"
//   @PICTURE_EXTENSIONS@  every registered extension, separated by "|"
// Usage: desktopgen <template> <output> [KEY=VALUE ...]
#include <algorithm>
#include <cstdio>
#include <exception>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "base/Error.h"
#include "base/FileBytes.h"
#include "io/core/PictureFormats.h"

namespace {

using Substitution = std::pair<std::string, std::string>;

std::string MimeTypes() {
  std::string list;
  for (const quillo::PictureFormat& f : quillo::PictureFormats())
    if (const std::string type = std::string(f.mimeType) + ";";
        !f.mimeType.empty() && list.find(type) == std::string::npos)
      list += type;
  return list;
}

std::string Extensions() {
  std::string list;
  for (const quillo::PictureFormat& f : quillo::PictureFormats())
    list += (list.empty() ? "" : "|") + std::string(f.extension);
  return list;
}

// The template with every @KEY@ replaced. A @KEY@ left unknown is refused, so
// that a misspelt one cannot reach an installed file.
std::string Fill(const std::string& text, const std::vector<Substitution>& substitutions) {
  std::string out;
  std::size_t at = 0;
  while (true) {
    const std::size_t open = text.find('@', at);
    if (open == std::string::npos) break;
    const std::size_t close = text.find('@', open + 1);
    const std::string key =
        close == std::string::npos ? "" : text.substr(open + 1, close - open - 1);
    const bool isKey =
        !key.empty() && key.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ_") == std::string::npos;
    if (!isKey) {
      out += text.substr(at, open + 1 - at);
      at = open + 1;
      continue;
    }
    const auto known = std::find_if(substitutions.begin(), substitutions.end(),
                                    [&key](const Substitution& s) { return s.first == key; });
    if (known == substitutions.end()) throw quillo::Error("no value for @" + key + "@");
    out += text.substr(at, open - at) + known->second;
    at = close + 1;
  }
  return out + text.substr(at);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: desktopgen <template> <output> [KEY=VALUE ...]\n");
    return 2;
  }
  try {
    std::vector<Substitution> substitutions{{"PICTURE_MIME_TYPES", MimeTypes()},
                                            {"PICTURE_EXTENSIONS", Extensions()}};
    for (int i = 3; i < argc; ++i) {
      const std::string pair = argv[i];
      const std::size_t equals = pair.find('=');
      if (equals == std::string::npos) throw quillo::Error("not KEY=VALUE: " + pair);
      substitutions.emplace_back(pair.substr(0, equals), pair.substr(equals + 1));
    }
    const std::vector<std::uint8_t> bytes = quillo::ReadFileBytes(argv[1]);
    const std::string text = Fill(std::string(bytes.begin(), bytes.end()), substitutions);
    quillo::WriteFileAtomically(
        argv[2], std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "desktopgen: %s\n", e.what());
    return 1;
  }
  return 0;
}
