#include "Palette.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>

namespace quillo {

namespace {

// Colours are counted in bins of 5 bits a channel; each bin keeps the sums of
// its colours, so a bin of one colour gives that colour back exactly.
constexpr int kBinBits = 5;
constexpr int kBins = 1 << (3 * kBinBits);

struct Bin {
  std::uint64_t count = 0;
  std::array<std::uint64_t, 3> sum{};  // red, green, blue
};

// The frames' colours when there are at most `limit` of them, in order of value.
std::optional<std::vector<Pixel>> FewColours(std::span<const Bitmap* const> frames, int limit) {
  std::vector<std::uint64_t> seen((1u << 24) / 64);
  std::vector<Pixel> colours;
  for (const Bitmap* frame : frames)
    for (const Pixel p :
         std::span(frame->Data(), frame->Data() + frame->Width() * frame->Height())) {
      const Pixel c = ColourBits(p);
      std::uint64_t& word = seen[c / 64];
      const std::uint64_t bit = std::uint64_t{1} << (c % 64);
      if (word & bit) continue;
      word |= bit;
      if (static_cast<int>(colours.size()) == limit) return std::nullopt;
      colours.push_back(c);
    }
  std::sort(colours.begin(), colours.end());
  return colours;
}

int Channel(Pixel p, int c) {
  return c == 0 ? Red(p) : c == 1 ? Green(p) : Blue(p);
}

int BinIndex(Pixel p) {
  constexpr int shift = 8 - kBinBits;
  return (Red(p) >> shift) << (2 * kBinBits) | (Green(p) >> shift) << kBinBits | Blue(p) >> shift;
}

std::array<int, 3> MeanOf(const Bin& b) {
  std::array<int, 3> mean{};
  for (int c = 0; c < 3; ++c) mean[c] = static_cast<int>((b.sum[c] + b.count / 2) / b.count);
  return mean;
}

// A box of bins, by the indices of its bins.
struct Box {
  std::vector<int> bins;
  std::uint64_t count = 0;
  int widest = 0;  // the channel of the largest range
  int range = 0;
};

Box MakeBox(std::vector<int> bins, const std::vector<std::array<int, 3>>& means,
            const std::vector<Bin>& histogram) {
  Box box;
  std::array<int, 3> low{255, 255, 255}, high{0, 0, 0};
  for (const int i : bins) {
    box.count += histogram[i].count;
    for (int c = 0; c < 3; ++c) {
      low[c] = std::min(low[c], means[i][c]);
      high[c] = std::max(high[c], means[i][c]);
    }
  }
  for (int c = 0; c < 3; ++c)
    if (high[c] - low[c] > box.range) {
      box.range = high[c] - low[c];
      box.widest = c;
    }
  box.bins = std::move(bins);
  return box;
}

}  // namespace

std::vector<Pixel> MakePalette(std::span<const Bitmap* const> frames, int maxColours) {
  maxColours = std::clamp(maxColours, 1, 256);
  // Few enough colours: the palette is those colours.
  if (std::optional<std::vector<Pixel>> few = FewColours(frames, maxColours)) {
    if (few->empty()) return {MakePixel(0, 0, 0)};
    return *few;
  }
  std::vector<Bin> histogram(kBins);
  for (const Bitmap* frame : frames)
    for (const Pixel p :
         std::span(frame->Data(), frame->Data() + frame->Width() * frame->Height())) {
      Bin& b = histogram[BinIndex(p)];
      const std::array<int, 3> rgb{Red(p), Green(p), Blue(p)};
      ++b.count;
      for (int c = 0; c < 3; ++c) b.sum[c] += static_cast<std::uint64_t>(rgb[c]);
    }
  std::vector<int> used;
  std::vector<std::array<int, 3>> means(kBins);
  for (int i = 0; i < kBins; ++i)
    if (histogram[i].count) {
      used.push_back(i);
      means[i] = MeanOf(histogram[i]);
    }
  std::vector<Box> boxes;
  boxes.push_back(MakeBox(std::move(used), means, histogram));
  while (static_cast<int>(boxes.size()) < maxColours) {
    // The box to split: the most pixels times the widest range, among those
    // of more than one bin.
    auto worst = boxes.end();
    std::uint64_t worstScore = 0;
    for (auto b = boxes.begin(); b != boxes.end(); ++b) {
      const std::uint64_t score = b->count * static_cast<std::uint64_t>(b->range);
      if (b->bins.size() > 1 && score > worstScore) {
        worstScore = score;
        worst = b;
      }
    }
    if (worst == boxes.end()) break;
    std::vector<int> bins = std::move(worst->bins);
    const int c = worst->widest;
    const std::uint64_t total = worst->count;
    std::stable_sort(bins.begin(), bins.end(),
                     [&](int a, int b) { return means[a][c] < means[b][c]; });
    // The pixel median, keeping at least one bin on each side.
    std::uint64_t seen = 0;
    std::size_t cut = 1;
    for (; cut < bins.size(); ++cut) {
      seen += histogram[bins[cut - 1]].count;
      if (seen * 2 >= total) break;
    }
    cut = std::min(cut, bins.size() - 1);
    std::vector<int> upper(bins.begin() + static_cast<std::ptrdiff_t>(cut), bins.end());
    bins.resize(cut);
    *worst = MakeBox(std::move(bins), means, histogram);
    boxes.push_back(MakeBox(std::move(upper), means, histogram));
  }

  std::vector<Pixel> palette;
  for (const Box& box : boxes) {
    Bin all;
    for (const int i : box.bins) {
      all.count += histogram[i].count;
      for (int c = 0; c < 3; ++c) all.sum[c] += histogram[i].sum[c];
    }
    const std::array<int, 3> mean = MeanOf(all);
    palette.push_back(MakePixel(mean[0], mean[1], mean[2]));
  }
  return palette;
}

PaletteDitherer::PaletteDitherer(std::vector<Pixel> palette)
    : palette_(std::move(palette)), inPalette_((1u << 24) / 64), nearest_(1 << 18, -1) {
  if (palette_.empty()) palette_.push_back(MakePixel(0, 0, 0));
  if (palette_.size() > 256) palette_.resize(256);
  for (std::size_t i = 0; i < palette_.size(); ++i) {
    const Pixel c = ColourBits(palette_[i]);
    exact_.emplace_back(c, static_cast<std::uint8_t>(i));
    inPalette_[c / 64] |= std::uint64_t{1} << (c % 64);
  }
  // The first index of a colour listed twice wins.
  std::stable_sort(exact_.begin(), exact_.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
}

std::uint8_t PaletteDitherer::Nearest(int red, int green, int blue) {
  const Pixel colour = MakePixel(red, green, blue);
  if (inPalette_[colour / 64] >> (colour % 64) & 1) {
    const auto hit = std::lower_bound(exact_.begin(), exact_.end(), colour,
                                      [](const auto& e, Pixel c) { return e.first < c; });
    return hit->second;
  }
  std::int16_t& cached =
      nearest_[static_cast<std::size_t>((red >> 2) << 12 | (green >> 2) << 6 | blue >> 2)];
  if (cached < 0) {
    int best = 0;
    int bestDistance = 1 << 30;
    for (int i = 0; i < static_cast<int>(palette_.size()); ++i) {
      const Pixel p = palette_[static_cast<std::size_t>(i)];
      const int dr = Red(p) - red, dg = Green(p) - green, db = Blue(p) - blue;
      const int distance = dr * dr + dg * dg + db * db;
      if (distance < bestDistance) {
        bestDistance = distance;
        best = i;
      }
    }
    cached = static_cast<std::int16_t>(best);
  }
  return static_cast<std::uint8_t>(cached);
}

std::vector<std::uint8_t> PaletteDitherer::Dither(const Bitmap& frame) {
  const int w = frame.Width(), h = frame.Height();
  std::vector<std::uint8_t> indices(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
  // The errors carried to this row and the next, in sixteenths, per channel;
  // one pixel of margin on either side.
  std::vector<std::array<int, 3>> row(static_cast<std::size_t>(w) + 2), next(row.size());
  for (int y = 0; y < h; ++y) {
    std::fill(next.begin(), next.end(), std::array<int, 3>{});
    const Pixel* source = frame.Data() + static_cast<std::ptrdiff_t>(y) * w;
    for (int x = 0; x < w; ++x) {
      std::array<int, 3> want{};
      for (int c = 0; c < 3; ++c)
        want[c] = std::clamp(Channel(source[x], c) + row[static_cast<std::size_t>(x) + 1][c] / 16,
                             0, 255);
      const std::uint8_t index = Nearest(want[0], want[1], want[2]);
      indices[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) +
              static_cast<std::size_t>(x)] = index;
      const Pixel got = palette_[index];
      for (int c = 0; c < 3; ++c) {
        const int error = want[c] - Channel(got, c);
        const auto at = static_cast<std::size_t>(x) + 1;
        row[at + 1][c] += error * 7;
        next[at - 1][c] += error * 3;
        next[at][c] += error * 5;
        next[at + 1][c] += error;
      }
    }
    std::swap(row, next);
  }
  return indices;
}

}  // namespace quillo
