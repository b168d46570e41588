#include "drivers/software/picture.h"

namespace aerolark {

Picture FramePicture(const StillPicture& decoded) {
  Picture picture;
  picture.width = decoded.width;
  picture.height = decoded.height;
  picture.pixels.reserve(decoded.pixels.size());
  picture.covered.reserve(decoded.pixels.size());
  for (const std::uint32_t p : decoded.pixels) {
    picture.pixels.push_back(ToRgb565(PackColour((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF)));
    picture.covered.push_back((p >> 24) >= 0x80 ? 1 : 0);
  }
  return picture;
}

}  // namespace aerolark
