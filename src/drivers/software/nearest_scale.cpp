#include "drivers/software/nearest_scale.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

#include "drivers/software/rgb565_widening.h"

namespace aerolark {
namespace {

// Target pixel i samples the source at the centre of its footprint, in
// 16.16 fixed point: (step / 2 + i * step) >> 16 with step = (source << 16) / target.
std::vector<int> Samples(int source, int target) {
  std::vector<int> samples(static_cast<std::size_t>(std::max(target, 0)));
  if (source <= 0 || target <= 0) return samples;
  const std::uint64_t step = (static_cast<std::uint64_t>(source) << 16) / target;
  std::uint64_t position = step / 2;
  for (int& sample : samples) {
    sample = std::min(static_cast<int>(position >> 16), source - 1);
    position += step;
  }
  return samples;
}

// The first and one past the last target index sampling [from, to).
std::pair<int, int> Sampling(const std::vector<int>& samples, int from, int to) {
  const auto first = std::lower_bound(samples.begin(), samples.end(), from);
  const auto last = std::lower_bound(first, samples.end(), to);
  return {static_cast<int>(first - samples.begin()), static_cast<int>(last - samples.begin())};
}

// Scaling up, a row of the target often samples the same frame row as the
// row above it: a copy of that row is the same pixels for less work.
bool RepeatsRowAbove(const std::vector<int>& rows, const Box& area, const Box& target, int y) {
  return y > area.top && rows[y - target.top] == rows[y - 1 - target.top];
}

void CopyRowAbove(std::uint8_t* out, int screenPitch, std::size_t bytes) {
  std::memcpy(out, out - screenPitch, bytes);
}

// Calls fillRow(frameRow, out) for each row of `area` that samples another
// frame row than the row above it; the others are copies of the row above.
template <typename FillRow>
void ForEachRow(std::uint8_t* screen, int screenPitch, int bytesPerPixel, const Box& area,
                const Box& target, const std::vector<int>& rows, FillRow fillRow) {
  const auto rowBytes = static_cast<std::size_t>(area.Width()) * bytesPerPixel;
  for (int y = area.top; y < area.bottom; ++y) {
    std::uint8_t* out = screen + static_cast<std::ptrdiff_t>(y) * screenPitch + area.left * bytesPerPixel;
    if (RepeatsRowAbove(rows, area, target, y)) {
      CopyRowAbove(out, screenPitch, rowBytes);
    } else {
      fillRow(rows[y - target.top], out);
    }
  }
}

template <int Bytes>
void ScaleRows(const std::uint8_t* frame, int framePitch, std::uint8_t* screen, int screenPitch,
               const Box& area, const Box& target, const std::vector<int>& columns,
               const std::vector<int>& rows, bool sameWidth) {
  const int* column = columns.data() + (area.left - target.left);
  ForEachRow(screen, screenPitch, Bytes, area, target, rows, [&](int frameRow, std::uint8_t* out) {
    const std::uint8_t* source = frame + static_cast<std::ptrdiff_t>(frameRow) * framePitch;
    if (sameWidth) {  // each column samples itself
      std::memcpy(out, source + (area.left - target.left) * Bytes,
                  static_cast<std::size_t>(area.Width()) * Bytes);
      return;
    }
    for (int x = 0; x < area.Width(); ++x, out += Bytes) {
      std::memcpy(out, source + column[x] * Bytes, Bytes);
    }
  });
}

template <int Bytes>
void ScaleColourRows(const std::uint16_t* frame, int frameWidth, const std::uint8_t* colours,
                     std::uint8_t* screen, int screenPitch, const Box& area, const Box& target,
                     const std::vector<int>& columns, const std::vector<int>& rows,
                     bool sameWidth) {
  const int* column = columns.data() + (area.left - target.left);
  ForEachRow(screen, screenPitch, Bytes, area, target, rows, [&](int frameRow, std::uint8_t* out) {
    const std::uint16_t* source = frame + static_cast<std::ptrdiff_t>(frameRow) * frameWidth;
    if (sameWidth) {  // each column samples itself
      const std::uint16_t* from = source + (area.left - target.left);
      for (int x = 0; x < area.Width(); ++x, out += Bytes) {
        std::memcpy(out, colours + static_cast<std::size_t>(from[x]) * Bytes, Bytes);
      }
      return;
    }
    for (int x = 0; x < area.Width(); ++x, out += Bytes) {
      std::memcpy(out, colours + static_cast<std::size_t>(source[column[x]]) * Bytes, Bytes);
    }
  });
}

// Scaling, the frame's span under a row is widened once and its pixels then
// copied to the columns that sample them.
void ScaleWidenedRows(const std::uint16_t* frame, int frameWidth, std::uint32_t fill,
                      std::uint8_t* screen, int screenPitch, const Box& area, const Box& target,
                      const std::vector<int>& columns, const std::vector<int>& rows,
                      bool sameWidth, std::vector<std::uint8_t>& widened) {
  constexpr int kBytes = 4;
  const int* column = columns.data() + (area.left - target.left);
  const int first = column[0], span = column[area.Width() - 1] - first + 1;
  if (!sameWidth) widened.resize(static_cast<std::size_t>(span) * kBytes);
  std::uint8_t* spanPixels = widened.data();  // held here, not read again after each store
  ForEachRow(screen, screenPitch, kBytes, area, target, rows, [&](int frameRow, std::uint8_t* out) {
    const std::uint16_t* source = frame + static_cast<std::ptrdiff_t>(frameRow) * frameWidth;
    if (sameWidth) {  // each column samples itself
      WidenRgb565Row(source + (area.left - target.left), out, area.Width(), fill);
      return;
    }
    WidenRgb565Row(source + first, spanPixels, span, fill);
    for (int x = 0; x < area.Width(); ++x, out += kBytes) {
      std::memcpy(out, spanPixels + static_cast<std::size_t>(column[x] - first) * kBytes, kBytes);
    }
  });
}

}  // namespace

NearestScale::NearestScale(int frameWidth, int frameHeight, const Box& target)
    : frameWidth_(frameWidth),
      frameHeight_(frameHeight),
      target_(target),
      columns_(Samples(frameWidth, target.Width())),
      rows_(Samples(frameHeight, target.Height())) {}

Box NearestScale::Covering(const Box& part) const {
  const auto [left, right] = Sampling(columns_, part.left, part.right);
  const auto [top, bottom] = Sampling(rows_, part.top, part.bottom);
  if (left >= right || top >= bottom) return {};
  return {target_.left + left, target_.top + top, target_.left + right, target_.top + bottom};
}

// Calls `scale` with the pixel size as a constant (1 to 4 bytes), so each
// size gets a row loop of its own; other sizes are not scaled.
template <typename Scale>
void ForPixelBytes(int bytesPerPixel, Scale scale) {
  switch (bytesPerPixel) {
    case 4: return scale(std::integral_constant<int, 4>());
    case 3: return scale(std::integral_constant<int, 3>());
    case 2: return scale(std::integral_constant<int, 2>());
    case 1: return scale(std::integral_constant<int, 1>());
    default: return;
  }
}

void NearestScale::Scale(const std::uint8_t* frame, int framePitch, std::uint8_t* screen,
                         int screenPitch, int bytesPerPixel, const Box& area) const {
  const Box inside = area.Intersection(target_);
  if (inside.Empty()) return;
  ForPixelBytes(bytesPerPixel, [&](auto bytes) {
    ScaleRows<bytes>(frame, framePitch, screen, screenPitch, inside, target_, columns_, rows_,
                     SameWidth());
  });
}

void NearestScale::ScaleColours(const std::uint16_t* frame, int frameWidth,
                                const std::uint8_t* colours, std::uint8_t* screen,
                                int screenPitch, int bytesPerPixel, const Box& area) const {
  const Box inside = area.Intersection(target_);
  if (inside.Empty()) return;
  ForPixelBytes(bytesPerPixel, [&](auto bytes) {
    ScaleColourRows<bytes>(frame, frameWidth, colours, screen, screenPitch, inside, target_,
                           columns_, rows_, SameWidth());
  });
}

void NearestScale::ScaleWidened(const std::uint16_t* frame, int frameWidth, std::uint32_t fill,
                                std::uint8_t* screen, int screenPitch, const Box& area) {
  const Box inside = area.Intersection(target_);
  if (inside.Empty()) return;
  ScaleWidenedRows(frame, frameWidth, fill, screen, screenPitch, inside, target_, columns_, rows_,
                   SameWidth(), widened_);
}

}  // namespace aerolark
