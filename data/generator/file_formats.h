#pragma once
// The two simple file formats the install folder uses: uncompressed 24-bit
// BMP and 16-bit mono PCM WAV. Writers throw std::runtime_error on I/O errors.

#include <cstdint>
#include <string>
#include <vector>

#include "raster.h"

namespace aerolark::art {

void WriteBmp24(const std::string& path, const Raster& raster);
// Reads back a file WriteBmp24 wrote (bottom-up, 24 bits, no compression).
Raster ReadBmp24(const std::string& path);

void WriteWav16(const std::string& path, const std::vector<std::int16_t>& samples, int sampleRate);

}  // namespace aerolark::art
