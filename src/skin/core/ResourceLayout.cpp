#include "ResourceLayout.h"

#include <charconv>
#include <cstdint>

#include "base/Error.h"

namespace quillo {

namespace {

// The integer properties in their published order, with their defaults.
struct Field {
  const char* name;
  int ResourceLayout::*member;
  bool alwaysWritten;
};
constexpr Field kFields[] = {
    {"AutoNormal", &ResourceLayout::autoNormal, false},
    {"AutoPressed", &ResourceLayout::autoPressed, false},
    {"AutoEnter", &ResourceLayout::autoEnter, false},
    {"AutoLeave", &ResourceLayout::autoLeave, false},
    {"Rows", &ResourceLayout::rows, true},
    {"Cols", &ResourceLayout::cols, true},
    {"Left", &ResourceLayout::left, false},
    {"Top", &ResourceLayout::top, false},
    {"Width", &ResourceLayout::width, false},
    {"Height", &ResourceLayout::height, false},
    {"Index", &ResourceLayout::index, false},
};

long long Number(const std::string& name, const std::string& text) {
  long long v = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, v);
  if (text.empty() || ec != std::errc() || ptr != end || v < INT32_MIN || v > UINT32_MAX)
    throw Error("Malformed layout property " + name + " = " + text);
  return v;
}

}  // namespace

LayoutProperties WriteResourceLayout(const ResourceLayout& layout) {
  static const ResourceLayout defaults;
  LayoutProperties out;
  for (const Field& f : kFields)
    if (f.alwaysWritten || layout.*f.member != defaults.*f.member)
      out.emplace_back(f.name, std::to_string(layout.*f.member));
  if (layout.color != defaults.color) out.emplace_back("Color", std::to_string(layout.color));
  out.emplace_back("Image", std::string(layout.image));
  return out;
}

ResourceLayout ReadResourceLayout(const LayoutProperties& properties,
                                  const std::vector<std::string_view>& holders) {
  ResourceLayout layout;
  for (const auto& [name, value] : properties) {
    bool known = false;
    for (const Field& f : kFields) {
      if (name != f.name) continue;
      layout.*f.member = static_cast<int>(Number(name, value));
      known = true;
    }
    if (name == "Color") {
      layout.color = static_cast<ColorRef>(Number(name, value));
      known = true;
    } else if (name == "Image") {
      layout.image = {};
      for (std::string_view h : holders)
        if (h == value) layout.image = h;
      if (!value.empty() && layout.image.empty()) throw Error("Unknown picture holder " + value);
      known = true;
    }
    if (!known) throw Error("Unknown layout property " + name);
  }
  return layout;
}

}  // namespace quillo
