#pragma once
// Files dropped on a window: the first of the dropped things when it is a
// local file of the kind the window takes.
#include <optional>
#include <string>

class QMimeData;

namespace quillo {

// The path of the dropped picture file, or nothing when the drop holds none.
std::optional<std::string> DroppedPictureFile(const QMimeData* data);

// The path of the first dropped thing when it is a local file whose
// extension is `extension` (any letter case).
std::optional<std::string> DroppedFileOfKind(const QMimeData* data, const std::string& extension);

}  // namespace quillo
