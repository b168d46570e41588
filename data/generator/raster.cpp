#include "raster.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace aerolark::art {
namespace {

struct Linear {
  float r, g, b;
};

// One channel with `bits` bits: the nearest level, written back as the 8-bit
// value that replicates the high bits (so 31 -> 255, 0 -> 0).
int QuantiseChannel(float value, int bits) {
  const int levels = (1 << bits) - 1;
  const int level = std::clamp(static_cast<int>(std::lround(value * levels / 255.0f)), 0, levels);
  return (level << (8 - bits)) | (level >> (2 * bits - 8));
}

Rgb Quantise(Linear c) {
  return Rgb{static_cast<std::uint8_t>(QuantiseChannel(c.r, 5)),
             static_cast<std::uint8_t>(QuantiseChannel(c.g, 6)),
             static_cast<std::uint8_t>(QuantiseChannel(c.b, 5))};
}

// Reads cairo's premultiplied ARGB32 pixel; returns the straight colour.
Linear ReadPixel(const unsigned char* row, int x, float* alpha) {
  std::uint32_t p;
  std::copy_n(row + 4 * x, 4, reinterpret_cast<unsigned char*>(&p));
  const float a = static_cast<float>((p >> 24) & 0xff);
  *alpha = a / 255.0f;
  if (a == 0) return {0, 0, 0};
  const float scale = 255.0f / a;
  return {((p >> 16) & 0xff) * scale, ((p >> 8) & 0xff) * scale, (p & 0xff) * scale};
}

// Floyd-Steinberg with serpentine scan, diffusing only between pixels that
// are part of the picture (mask), so the key never absorbs or leaks error.
void DiffuseTo565(std::vector<Linear>& image, const std::vector<bool>& mask, Raster& out) {
  const int w = out.width, h = out.height;
  auto add = [&](int x, int y, Linear e, float f) {
    if (x < 0 || x >= w || y >= h) return;
    const std::size_t i = static_cast<std::size_t>(y) * w + x;
    if (!mask[i]) return;
    image[i].r += e.r * f;
    image[i].g += e.g * f;
    image[i].b += e.b * f;
  };
  for (int y = 0; y < h; ++y) {
    const bool leftToRight = (y % 2) == 0;
    for (int step = 0; step < w; ++step) {
      const int x = leftToRight ? step : w - 1 - step;
      const std::size_t i = static_cast<std::size_t>(y) * w + x;
      if (!mask[i]) continue;
      const Linear want = image[i];
      const Rgb got = Quantise(want);
      out.pixels[i] = got;
      const Linear err{want.r - got.r, want.g - got.g, want.b - got.b};
      const int dir = leftToRight ? 1 : -1;
      add(x + dir, y, err, 7.0f / 16);
      add(x - dir, y + 1, err, 3.0f / 16);
      add(x, y + 1, err, 5.0f / 16);
      add(x + dir, y + 1, err, 1.0f / 16);
    }
  }
}

// A picture pixel must never reduce to the key: nudge its green one level.
void KeepOffKey(Raster& raster, const std::vector<bool>& mask) {
  for (std::size_t i = 0; i < raster.pixels.size(); ++i) {
    if (mask[i] && SameOn565(raster.pixels[i], kKeyColour)) raster.pixels[i].g = 4;
  }
}

Raster Flatten(cairo_surface_t* surface, bool sprite) {
  cairo_surface_flush(surface);
  Raster out;
  out.width = cairo_image_surface_get_width(surface);
  out.height = cairo_image_surface_get_height(surface);
  out.pixels.assign(static_cast<std::size_t>(out.width) * out.height, kKeyColour);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const bool hasAlpha = cairo_image_surface_get_format(surface) == CAIRO_FORMAT_ARGB32;
  std::vector<Linear> image(out.pixels.size());
  std::vector<bool> mask(out.pixels.size());
  for (int y = 0; y < out.height; ++y) {
    for (int x = 0; x < out.width; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * out.width + x;
      float alpha = 1.0f;
      image[i] = ReadPixel(data + y * stride, x, &alpha);
      if (!hasAlpha) alpha = 1.0f;
      mask[i] = sprite ? alpha >= 0.5f : true;
    }
  }
  if (sprite) mask[0] = false;
  DiffuseTo565(image, mask, out);
  KeepOffKey(out, mask);
  return out;
}

}  // namespace

std::uint16_t To565(Rgb c) {
  return static_cast<std::uint16_t>(((c.r >> 3) << 11) | ((c.g >> 2) << 5) | (c.b >> 3));
}

Rgb From565(std::uint16_t v) {
  const int r = (v >> 11) & 31, g = (v >> 5) & 63, b = v & 31;
  return Rgb{static_cast<std::uint8_t>((r << 3) | (r >> 2)), static_cast<std::uint8_t>((g << 2) | (g >> 4)),
             static_cast<std::uint8_t>((b << 3) | (b >> 2))};
}

bool SameOn565(Rgb a, Rgb b) { return To565(a) == To565(b); }

Raster FlattenOpaque(cairo_surface_t* surface) { return Flatten(surface, false); }

Raster FlattenSprite(cairo_surface_t* surface) { return Flatten(surface, true); }

Raster CropSprite(const Raster& sprite, int margin) {
  int left = sprite.width, top = sprite.height, right = -1, bottom = -1;
  for (int y = 0; y < sprite.height; ++y) {
    for (int x = 0; x < sprite.width; ++x) {
      if (SameOn565(sprite.at(x, y), kKeyColour)) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  Raster out;
  if (right < 0) return out;
  out.width = right - left + 1 + 2 * margin;
  out.height = bottom - top + 1 + 2 * margin;
  out.pixels.assign(static_cast<std::size_t>(out.width) * out.height, kKeyColour);
  for (int y = top; y <= bottom; ++y)
    for (int x = left; x <= right; ++x) out.at(x - left + margin, y - top + margin) = sprite.at(x, y);
  return out;
}

cairo_surface_t* ToSurface(const Raster& raster, bool keyTransparent) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, raster.width, raster.height);
  unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < raster.height; ++y) {
    for (int x = 0; x < raster.width; ++x) {
      const Rgb c = raster.at(x, y);
      std::uint32_t p = 0xff000000u | (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b;
      if (keyTransparent && SameOn565(c, kKeyColour)) p = 0;
      std::copy_n(reinterpret_cast<const unsigned char*>(&p), 4, data + y * stride + 4 * x);
    }
  }
  cairo_surface_mark_dirty(s);
  return s;
}

}  // namespace aerolark::art
