// Pictures through SDL2_image, after the checks every decoder makes.

#include <SDL_image.h>

#include "drivers/sdl/sdl_backends.h"
#include "drivers/sdl/sdl_handles.h"
#include "drivers/software/picture_file.h"

namespace aerolark {
namespace {

const char* DecoderName(PictureKind kind) {
  switch (kind) {
    case PictureKind::kBmp: return "BMP";
    case PictureKind::kGif: return "GIF";
    case PictureKind::kJpeg: return "JPG";
    case PictureKind::kPng: return "PNG";
  }
  return "";
}

StillPicture FromArgb(const SDL_Surface& argb) {
  StillPicture picture;
  picture.width = argb.w;
  picture.height = argb.h;
  picture.pixels.reserve(static_cast<std::size_t>(argb.w) * static_cast<std::size_t>(argb.h));
  for (int y = 0; y < argb.h; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(
        static_cast<const std::uint8_t*>(argb.pixels) + static_cast<std::size_t>(y) * argb.pitch);
    picture.pixels.insert(picture.pixels.end(), row, row + argb.w);
  }
  return picture;
}

class SdlPictureDecoder final : public PictureDecoder {
 public:
  std::optional<StillPicture> Decode(const std::string& path) override {
    const auto file = ReadCheckedPictureFile(path);
    if (!file) return std::nullopt;
    RwHandle rw(SDL_RWFromConstMem(file->bytes.data(), static_cast<int>(file->bytes.size())));
    if (!rw) return std::nullopt;
    SurfaceHandle decoded(IMG_LoadTyped_RW(rw.get(), 0, DecoderName(file->kind)));
    if (!decoded || decoded->w <= 0 || decoded->h <= 0) return std::nullopt;
    SurfaceHandle argb(SDL_ConvertSurfaceFormat(decoded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    if (!argb || SDL_LockSurface(argb.get()) != 0) return std::nullopt;
    StillPicture picture = FromArgb(*argb);
    SDL_UnlockSurface(argb.get());
    return picture;
  }
};

}  // namespace

std::unique_ptr<PictureDecoder> CreateSdlPictureDecoder() {
  return std::make_unique<SdlPictureDecoder>();
}

}  // namespace aerolark
