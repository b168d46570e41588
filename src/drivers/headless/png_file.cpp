#include "drivers/headless/png_file.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "drivers/software/pixel_format.h"

namespace aerolark {
namespace {

struct FileClose {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// A channel of `bits` bits scaled to 8, rounding down: the pictures the
// tools wrote before stay the same to the last bit.
png_byte Widen(unsigned value, unsigned bits) {
  const unsigned largest = (1u << bits) - 1;
  return static_cast<png_byte>(value * 255u / largest);
}

// Row y widened to 8 bits a channel, into `row`.
void FillRgbRow(const FrameBuffer& frame, int y, std::vector<png_byte>& row) {
  const Pixel565* pixels = frame.Row(y);
  for (int x = 0; x < frame.Width(); ++x) {
    const unsigned pixel = pixels[x];
    row[x * 3] = Widen(pixel >> 11, 5);
    row[x * 3 + 1] = Widen((pixel >> 5) & 0x3F, 6);
    row[x * 3 + 2] = Widen(pixel & 0x1F, 5);
  }
}

}  // namespace

bool SavePng(const FrameBuffer& frame, const std::string& path) {
  if (frame.Empty()) return false;
  std::unique_ptr<std::FILE, FileClose> file(std::fopen(path.c_str(), "wb"));
  if (!file) return false;
  // Made before libpng may jump back past it.
  std::vector<png_byte> row(static_cast<std::size_t>(frame.Width()) * 3);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  // libpng reports errors by jumping back here.
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file.get());
  png_set_IHDR(png, info, static_cast<png_uint_32>(frame.Width()),
               static_cast<png_uint_32>(frame.Height()), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < frame.Height(); ++y) {
    FillRgbRow(frame, y, row);
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fflush(file.get()) == 0;
}

}  // namespace aerolark
