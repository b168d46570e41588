#pragma once
// What the X11 presentation (drivers/x11) takes from SDL: the X11 window
// behind an SDL window, and SDL's own colour conversion, so an X image
// shows the pixels SDL would.

#include <cstdint>
#include <optional>
#include <vector>

#include <SDL.h>

#include "drivers/x11/foreign_window.h"
#include "drivers/x11/x_image_presenter.h"

namespace aerolark {

// Nothing when SDL's video driver for the window is not X11.
std::optional<ForeignX11Window> X11WindowOf(SDL_Window* window);
// A ColourTableMaker: each RGB565 colour as SDL converts it to `layout`.
std::vector<std::uint8_t> SdlColourTable(const PixelLayout& layout);

}  // namespace aerolark
