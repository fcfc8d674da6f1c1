#include "EpsBoundingBox.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "base/ByteCursor.h"

namespace quillo {

namespace {

constexpr std::string_view kComment = "%%BoundingBox:";

// The PostScript section: a DOS EPS file starts with C5 D0 D3 C6 and the
// section's offset and length.
std::string_view PostScriptOf(std::span<const std::uint8_t> bytes) {
  const std::string_view all(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (bytes.size() < 12 || LoadU32(bytes.data()) != 0xC6D3D0C5u) return all;
  const std::size_t offset = LoadU32(bytes.data() + 4), length = LoadU32(bytes.data() + 8);
  if (offset > bytes.size()) return {};
  return all.substr(offset, length);
}

bool IsAtEnd(std::string_view value) {
  return value.find("(atend)") != std::string_view::npos;
}

std::optional<EpsBox> ParseBox(std::string_view text) {
  double v[4];
  const char* p = text.data();
  const char* end = text.data() + text.size();
  for (double& value : v) {
    while (p < end && (*p == ' ' || *p == '\t')) ++p;
    const auto [next, error] = std::from_chars(p, end, value);
    if (error != std::errc() || !std::isfinite(value)) return std::nullopt;
    p = next;
  }
  return EpsBox{v[0], v[1], v[2], v[3]};
}

// Whole pixels covering the points from low to high, at most a huge number.
std::int64_t PixelsBetween(double low, double high) {
  const double pixels = std::ceil(high) - std::floor(low);
  if (!(pixels > 0)) return 0;
  return pixels >= 1e12 ? std::int64_t{1'000'000'000'000} : static_cast<std::int64_t>(pixels);
}

// The values of the first %%BoundingBox comment and of the last one that is
// not "(atend)", as views into the PostScript section.
struct BoxComments {
  std::string_view text;
  std::optional<std::string_view> first, last;
};

BoxComments FindBoxComments(std::span<const std::uint8_t> bytes) {
  BoxComments found{PostScriptOf(bytes), std::nullopt, std::nullopt};
  const std::string_view text = found.text;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    if (line.starts_with(kComment)) {
      const std::string_view value = line.substr(kComment.size());
      if (!found.first) found.first = value;
      if (!IsAtEnd(value)) found.last = value;
    }
    start = end + 1;
  }
  return found;
}

}  // namespace

std::optional<EpsBox> FindEpsBoundingBox(std::span<const std::uint8_t> bytes) {
  const BoxComments found = FindBoxComments(bytes);
  if (!found.first) return std::nullopt;
  if (!IsAtEnd(*found.first)) return ParseBox(*found.first);
  return found.last ? ParseBox(*found.last) : std::nullopt;
}

std::optional<std::vector<std::uint8_t>> EpsWithBoxInHeader(std::span<const std::uint8_t> bytes) {
  const BoxComments found = FindBoxComments(bytes);
  if (!found.first || !IsAtEnd(*found.first) || !found.last) return std::nullopt;
  const std::string_view text = found.text;
  const std::size_t at = static_cast<std::size_t>(found.first->data() - text.data());
  std::string drawn(text.substr(0, at));
  drawn.append(*found.last);
  drawn.append(text.substr(at + found.first->size()));
  return std::vector<std::uint8_t>(drawn.begin(), drawn.end());
}

std::int64_t EpsPixelsAcross(const EpsBox& box) {
  return PixelsBetween(box.left, box.right);
}

std::int64_t EpsPixelsDown(const EpsBox& box) {
  return PixelsBetween(box.bottom, box.top);
}

}  // namespace quillo
