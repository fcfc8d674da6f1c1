#pragma once
// Fonts of the art, loaded from the installed font files by path so that the
// output does not depend on which fonts a machine prefers.
#include <QFont>

namespace art {

enum class Face { SansBold, SansCondensedBold, SerifBoldItalic };

// The font at the given pixel size; throws quillo::Error when its file is missing.
QFont ArtFont(Face face, double pixelSize);

}  // namespace art
