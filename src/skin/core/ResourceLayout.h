#pragma once
// A cell descriptor as a window's layout stores it, and its written form: a
// property is written only where it differs from its stored default (AutoNormal
// 0, AutoPressed 1, AutoEnter and AutoLeave -1, Left, Top, Width, Height and
// Index 0, Color none); Rows, Cols and Image are always written.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/Pixel.h"

namespace quillo {

// The name of the main window's skin sheet holder.
inline constexpr std::string_view kSkinSheetHolder = "Resource";

struct ResourceLayout {
  int autoNormal = 0;
  int autoPressed = 1;
  int autoEnter = -1;
  int autoLeave = -1;
  int rows = 1;
  int cols = 2;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int index = 0;
  ColorRef color = kColorNone;
  std::string_view image = kSkinSheetHolder;  // the holder's name; empty for none

  constexpr bool operator==(const ResourceLayout&) const = default;
};

using LayoutProperties = std::vector<std::pair<std::string, std::string>>;

// The written properties, in their published order.
LayoutProperties WriteResourceLayout(const ResourceLayout& layout);

// Reads written properties over the stored defaults; throws quillo::Error for
// an unknown property or a malformed number. The image name must outlive the
// result: it is looked up among the holder names given.
ResourceLayout ReadResourceLayout(const LayoutProperties& properties,
                                  const std::vector<std::string_view>& holders);

}  // namespace quillo
