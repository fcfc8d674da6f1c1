#pragma once
// The picture formats Quillo reads, in the order the open dialogs list them:
// the platform's own (bitmaps, icons, metafiles), then those of the picture
// readers (io/PictureReaders.h: ImageMagick, Ghostscript and our own). A
// file's reader is chosen by its extension, so the extension of a file must
// be one of these.
#include <string>
#include <string_view>
#include <vector>

namespace quillo {

// The reader that decodes a format (io/PictureReaders.h).
enum class PictureReader {
  Bitmap,    // our BMP reader (run-length bitmaps: the toolkit's)
  Toolkit,   // the toolkit's reader named by coder
  Metafile,  // ImageMagick's coder, where its metafile library is installed
  Magick,    // ImageMagick's coder
  Eps,       // Ghostscript
  MacPaint,  // our own readers
  GemImg,
  None,  // no library on this system reads the format
};

struct PictureFormat {
  std::string_view extension;  // lower case, without the dot
  std::string_view description;
  // The shared MIME-info type the desktop entry offers Quillo for; empty for
  // the formats no reader here takes (emf, cmp) and for GEM IMG, whose
  // extension names disk images to the desktop. Second spellings repeat the
  // type of the first.
  std::string_view mimeType;
  PictureReader reader = PictureReader::None;
  // The toolkit's format or ImageMagick's coder: a named coder keeps a
  // reader from choosing one by the bytes (TGA, PICT and others have no
  // reliable magic number).
  std::string_view coder;
};

// Every registered format, in order.
const std::vector<PictureFormat>& PictureFormats();

// The extension of a file name as written, without the dot; empty when the
// last path component has none.
std::string_view ExtensionOf(std::string_view name);
// The same in lower case, for names chosen by their extension.
std::string LowerExtensionOf(std::string_view name);

// The format of an extension (without the dot, any letter case), or nullptr.
const PictureFormat* FindPictureFormat(std::string_view extension);

// The toolkit's name-filter string: "All pictures (*.bmp *.ico ...)", then
// "Bitmaps (*.bmp)" and one entry for each further format, joined by ";;".
std::string PictureFileFilter();

}  // namespace quillo
