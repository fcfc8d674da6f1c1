#include "MorphFile.h"

#include <algorithm>

#include "base/ByteCursor.h"
#include "base/Error.h"
#include "base/FileBytes.h"
#include "io/core/BmpCodec.h"
#include "skin/core/SmoothDraw.h"

namespace quillo {

namespace {

constexpr std::size_t kCountBytes = 4;
constexpr std::size_t kRecordBytes = 96;
constexpr int kPictureBits = 32;

RealPoint ReadPoint(ByteReader& in) {
  const double x = in.F64();
  return {x, in.F64()};
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
  ByteReader in(bytes, kInvalidMorphFile);
  const std::int32_t count = in.S32();
  if (count < 0 || count > kMaxLines) in.Fail();
  if (in.Remaining() < kRecordBytes * static_cast<std::size_t>(count)) in.Fail();

  // Everything is decoded into a fresh morph; the caller's stays untouched
  // until the whole file has proved sound.
  MorphModel morph;
  for (std::int32_t i = 0; i < count; ++i) {
    MorphLine l;
    l.Start1 = ReadPoint(in);
    l.End1 = ReadPoint(in);
    l.Start2 = ReadPoint(in);
    l.End2 = ReadPoint(in);
    l.StartNow = ReadPoint(in);
    l.EndNow = ReadPoint(in);
    morph.AddLine(l);
  }

  std::span<const std::uint8_t> rest = bytes.subspan(in.Position());
  BmpPicture one = DecodeBmp(rest);
  rest = rest.subspan(std::min(one.extent, rest.size()));
  BmpPicture two = DecodeBmp(rest);

  const BmpExtraHeader header1 = one.extraHeader, header2 = two.extraHeader;
  morph.SetFace(MorphPicture::One, ToFace(std::move(one)), header1);
  morph.SetFace(MorphPicture::Two, ToFace(std::move(two)), header2);
  return morph;
}

std::vector<std::uint8_t> EncodeMorphFile(const MorphModel& morph) {
  const std::vector<std::uint8_t> one =
      EncodeBmp(morph.SourceBitmap1(), kPictureBits, morph.ExtraHeader1());
  const std::vector<std::uint8_t> two =
      EncodeBmp(morph.SourceBitmap2(), kPictureBits, morph.ExtraHeader2());
  const int count = std::clamp(morph.LineCount(), 0, kMaxLines);
  ByteWriter out;
  out.Reserve(kCountBytes + kRecordBytes * count + one.size() + two.size());
  out.S32(count);
  for (int i = 0; i < count; ++i) {
    const MorphLine& l = morph.Lines()[i];
    for (RealPoint point : {l.Start1, l.End1, l.Start2, l.End2, l.StartNow, l.EndNow}) {
      out.F64(point.x);
      out.F64(point.y);
    }
  }
  out.Bytes(one);
  out.Bytes(two);
  return std::move(out).Take();
}

MorphModel ReadMorphFile(const std::string& path) {
  return ParseMorphFile(ReadFileBytes(path));
}

void WriteMorphFile(const std::string& path, const MorphModel& morph) {
  WriteFileAtomically(path, EncodeMorphFile(morph));
}

}  // namespace quillo
