#include "drivers/sdl/x11_bridge.h"

// SDL's window-manager header brings Xlib's along; only SDL is called here.
#include <SDL_syswm.h>

namespace aerolark {

std::optional<ForeignX11Window> X11WindowOf(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return std::nullopt;
  return ForeignX11Window{info.info.x11.display, info.info.x11.window};
}

std::vector<std::uint8_t> SdlColourTable(const PixelLayout& layout) {
  const Uint32 format =
      SDL_MasksToPixelFormatEnum(layout.bitsPerPixel, static_cast<Uint32>(layout.red),
                                 static_cast<Uint32>(layout.green),
                                 static_cast<Uint32>(layout.blue), 0);
  if (format == SDL_PIXELFORMAT_UNKNOWN) return {};
  constexpr int kColours = 65536;
  const int bytes = SDL_BYTESPERPIXEL(format);
  std::vector<Uint16> every(kColours);
  for (int i = 0; i < kColours; ++i) every[i] = static_cast<Uint16>(i);
  std::vector<std::uint8_t> colours(static_cast<std::size_t>(kColours) * bytes);
  if (SDL_ConvertPixels(kColours, 1, SDL_PIXELFORMAT_RGB565, every.data(), kColours * 2, format,
                        colours.data(), kColours * bytes) != 0) {
    return {};
  }
  return colours;
}

}  // namespace aerolark
