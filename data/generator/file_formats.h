#pragma once
// The simple file formats the generator writes: uncompressed 24-bit BMP and
// 16-bit mono PCM WAV for the install folder, the icon for Windows. Writers throw std::runtime_error on I/O errors.

#include <cstdint>
#include <string>
#include <vector>

#include "raster.h"

namespace aerolark::art {

void WriteBmp24(const std::string& path, const Raster& raster);
// Reads back a file WriteBmp24 wrote (bottom-up, 24 bits, no compression).
Raster ReadBmp24(const std::string& path);

// One square picture of an icon: rows top to bottom, cairo's premultiplied
// 0xAARRGGBB.
struct IconImage {
  int size = 0;
  std::vector<std::uint32_t> premultipliedArgb;
};
// A Windows icon file holding each picture as a 32-bit image with alpha.
void WriteIco(const std::string& path, const std::vector<IconImage>& images);

void WriteWav16(const std::string& path, const std::vector<std::int16_t>& samples, int sampleRate);

}  // namespace aerolark::art
