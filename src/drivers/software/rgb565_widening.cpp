#include "drivers/software/rgb565_widening.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace aerolark {
namespace {

constexpr std::uint32_t kChannels = 0x00FFFFFF;

// The widening SDL's conversion gives: five bits v to (v * 2106) >> 8, which
// is floor(v * 255 / 31); six bits to (v * 33110) >> 13, which stops at 254.
// As vectors, each channel is moved up 8 or 3 bits and multiplied, keeping
// the high 16 bits of the product.
constexpr std::uint32_t kFiveBitFactor = 2106;
constexpr int kFiveBitShift = 8;
constexpr std::uint32_t kSixBitFactor = 33110;
constexpr int kSixBitShift = 13;

#if defined(__SSE2__)
// Eight pixels at `from` widened into 32 bytes at `to`.
void WidenEight(const std::uint16_t* from, std::uint8_t* to, __m128i fill) {
  const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
  const __m128i fiveUp = _mm_set1_epi16(0x1F00);
  const __m128i five = _mm_set1_epi16(static_cast<short>(kFiveBitFactor));
  const __m128i red = _mm_mulhi_epu16(_mm_and_si128(_mm_srli_epi16(pixels, 3), fiveUp), five);
  const __m128i green = _mm_mulhi_epu16(
      _mm_and_si128(_mm_srli_epi16(pixels, 2), _mm_set1_epi16(0x01F8)),
      _mm_set1_epi16(static_cast<short>(kSixBitFactor)));
  const __m128i blue = _mm_mulhi_epu16(_mm_and_si128(_mm_slli_epi16(pixels, 8), fiveUp), five);
  // Low halves green and blue, high halves red: interleaved, 32-bit pixels.
  const __m128i low = _mm_or_si128(_mm_slli_epi16(green, 8), blue);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(to),
                   _mm_or_si128(_mm_unpacklo_epi16(low, red), fill));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(to + 16),
                   _mm_or_si128(_mm_unpackhi_epi16(low, red), fill));
}
#endif

}  // namespace

std::uint32_t WidenRgb565(std::uint16_t pixel, std::uint32_t fill) {
  const std::uint32_t red = ((pixel >> 11) * kFiveBitFactor) >> kFiveBitShift;
  const std::uint32_t green = (((pixel >> 5) & 0x3Fu) * kSixBitFactor) >> kSixBitShift;
  const std::uint32_t blue = ((pixel & 0x1Fu) * kFiveBitFactor) >> kFiveBitShift;
  return (fill & ~kChannels) | (red << 16) | (green << 8) | blue;
}

std::optional<std::uint32_t> WideningFillOf(const std::uint8_t* colours) {
  std::uint32_t black;
  std::memcpy(&black, colours, sizeof black);
  const std::uint32_t fill = black & ~kChannels;
  for (std::uint32_t pixel = 0; pixel < 65536; ++pixel) {
    std::uint32_t entry;
    std::memcpy(&entry, colours + pixel * 4, sizeof entry);
    if (entry != WidenRgb565(static_cast<std::uint16_t>(pixel), fill)) return std::nullopt;
  }
  return fill;
}

void WidenRgb565Row(const std::uint16_t* from, std::uint8_t* to, int count, std::uint32_t fill) {
  int done = 0;
#if defined(__SSE2__)
  const __m128i fills = _mm_set1_epi32(static_cast<int>(fill & ~kChannels));
  for (; done + 8 <= count; done += 8) WidenEight(from + done, to + done * 4, fills);
#endif
  for (; done < count; ++done) {
    const std::uint32_t wide = WidenRgb565(from[done], fill);
    std::memcpy(to + done * 4, &wide, sizeof wide);
  }
}

}  // namespace aerolark
