#pragma once
// RGB565 widened to 32-bit pixels of 8-bit channels, red in bits 16 to 23,
// by arithmetic: eight pixels a step where the processor has vectors, where
// a lookup in a table of 65536 colours takes one pixel a step and misses the
// cache on a picture of many colours. Used only where it gives exactly the
// colour table's pixels.

#include <cstdint>
#include <optional>

namespace aerolark {

// Each channel widened as SDL widens it (rgb565_widening.cpp), the bits outside
// the three channels hold `fill`.
std::uint32_t WidenRgb565(std::uint16_t pixel, std::uint32_t fill);

// The fill with which WidenRgb565 gives every entry of `colours` (65536
// entries of 4 bytes in the machine's order), or nothing when no fill does.
std::optional<std::uint32_t> WideningFillOf(const std::uint8_t* colours);

// to[i] = WidenRgb565(from[i], fill) for `count` pixels; `to` needs no alignment.
void WidenRgb565Row(const std::uint16_t* from, std::uint8_t* to, int count, std::uint32_t fill);

}  // namespace aerolark
