#include "MorphFile.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "io/core/BmpCodec.h"
#include "io/core/FileBytes.h"
#include "skin/core/Error.h"
#include "skin/core/SmoothDraw.h"

namespace quillo {

namespace {

constexpr std::size_t kCountBytes = 4;
constexpr std::size_t kRecordBytes = 96;
constexpr int kPictureBits = 32;

std::uint64_t LittleEndian(const std::uint8_t* p, int bytes) {
  std::uint64_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
  return v;
}

void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint64_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

double ReadDouble(const std::uint8_t*& p) {
  const double v = std::bit_cast<double>(LittleEndian(p, 8));
  p += 8;
  return v;
}

RealPoint ReadPoint(const std::uint8_t*& p) {
  const double x = ReadDouble(p);
  return {x, ReadDouble(p)};
}

void PutPoint(std::vector<std::uint8_t>& out, RealPoint point) {
  PutLittleEndian(out, std::bit_cast<std::uint64_t>(point.x), 8);
  PutLittleEndian(out, std::bit_cast<std::uint64_t>(point.y), 8);
}

// A face as the engine needs it: 145 x 145 at 32 bits per pixel kept as it
// is, anything else fitted in with CenterDraw.
Bitmap ToFace(BmpPicture&& picture) {
  if (IsMorphPicture(picture.bitmap) && picture.bitsPerPixel == kPictureBits)
    return std::move(picture.bitmap);
  Bitmap face(kMorphSize, kMorphSize, kBlankFace);
  CenterDraw(face, {0, 0, kMorphSize, kMorphSize}, picture.bitmap, kBlankFace);
  return face;
}

}  // namespace

MorphModel ParseMorphFile(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kCountBytes) throw Error(kInvalidMorphFile);
  const auto count = static_cast<std::int32_t>(LittleEndian(bytes.data(), 4));
  if (count < 0 || count > kMaxLines) throw Error(kInvalidMorphFile);
  const std::size_t records = kRecordBytes * static_cast<std::size_t>(count);
  if (bytes.size() - kCountBytes < records) throw Error(kInvalidMorphFile);

  // Everything is decoded into a fresh morph; the caller's stays untouched
  // until the whole file has proved sound.
  MorphModel morph;
  const std::uint8_t* p = bytes.data() + kCountBytes;
  for (std::int32_t i = 0; i < count; ++i) {
    MorphLine& l = morph.Lines[i];
    l.Start1 = ReadPoint(p);
    l.End1 = ReadPoint(p);
    l.Start2 = ReadPoint(p);
    l.End2 = ReadPoint(p);
    l.StartNow = ReadPoint(p);
    l.EndNow = ReadPoint(p);
  }
  morph.LineCount = count;

  std::span<const std::uint8_t> rest = bytes.subspan(kCountBytes + records);
  BmpPicture one = DecodeBmp(rest);
  rest = rest.subspan(std::min(one.extent, rest.size()));
  BmpPicture two = DecodeBmp(rest);

  morph.ExtraHeader1 = one.extraHeader;
  morph.ExtraHeader2 = two.extraHeader;
  morph.SourceBitmap1 = ToFace(std::move(one));
  morph.SourceBitmap2 = ToFace(std::move(two));
  return morph;
}

std::vector<std::uint8_t> EncodeMorphFile(const MorphModel& morph) {
  const std::vector<std::uint8_t> one =
      EncodeBmp(morph.SourceBitmap1, kPictureBits, morph.ExtraHeader1);
  const std::vector<std::uint8_t> two =
      EncodeBmp(morph.SourceBitmap2, kPictureBits, morph.ExtraHeader2);
  const int count = std::clamp(morph.LineCount, 0, kMaxLines);
  std::vector<std::uint8_t> out;
  out.reserve(kCountBytes + kRecordBytes * count + one.size() + two.size());
  PutLittleEndian(out, static_cast<std::uint32_t>(count), 4);
  for (int i = 0; i < count; ++i) {
    const MorphLine& l = morph.Lines[i];
    for (RealPoint point : {l.Start1, l.End1, l.Start2, l.End2, l.StartNow, l.EndNow})
      PutPoint(out, point);
  }
  out.insert(out.end(), one.begin(), one.end());
  out.insert(out.end(), two.begin(), two.end());
  return out;
}

MorphModel ReadMorphFile(const std::string& path) {
  return ParseMorphFile(ReadFileBytes(path));
}

void WriteMorphFile(const std::string& path, const MorphModel& morph) {
  WriteFileAtomically(path, EncodeMorphFile(morph));
}

}  // namespace quillo
