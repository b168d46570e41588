#pragma once
// Owning handles for SDL objects.

#include <memory>

#include <SDL.h>
#include <SDL_ttf.h>

namespace aerolark {

struct SdlSurfaceFree {
  void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
struct SdlRwClose {
  void operator()(SDL_RWops* rw) const { SDL_RWclose(rw); }
};
struct TtfFontClose {
  void operator()(TTF_Font* font) const { TTF_CloseFont(font); }
};

using SurfaceHandle = std::unique_ptr<SDL_Surface, SdlSurfaceFree>;
using RwHandle = std::unique_ptr<SDL_RWops, SdlRwClose>;
using FontHandle = std::unique_ptr<TTF_Font, TtfFontClose>;

}  // namespace aerolark
