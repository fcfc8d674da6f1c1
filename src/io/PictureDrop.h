#pragma once
// Pictures dropped on a window: the first of the dropped things when it is a
// local file with a registered picture extension.
#include <optional>
#include <string>

class QMimeData;

namespace quillo {

// The path of the dropped picture file, or nothing when the drop holds none.
std::optional<std::string> DroppedPictureFile(const QMimeData* data);

}  // namespace quillo
