// Text through SDL2_ttf, the face found by name with fontconfig.

#include <algorithm>

#include "drivers/sdl/font_finder.h"
#include "drivers/sdl/sdl_backends.h"
#include "drivers/sdl/sdl_handles.h"
#include "drivers/software/font_cache.h"
#include "drivers/software/text_limits.h"

namespace aerolark {
namespace {

// The em for a cell height is found within this many steps of its estimate.
constexpr int kFitSteps = 8;

// Shortens `text` until its rendering stays within kMaxTextPixels.
std::string FitText(TTF_Font* font, std::string text) {
  if (text.size() > kMaxTextBytes) text = CutAtCharacter(text, kMaxTextBytes);
  int width = 0, height = 0;
  while (!text.empty() && TTF_SizeUTF8(font, text.c_str(), &width, &height) == 0 &&
         static_cast<std::int64_t>(width) * height > kMaxTextPixels) {
    text = CutAtCharacter(text, text.size() / 2);
  }
  return text;
}

std::shared_ptr<const TextMask> MaskFromArgb(SDL_Surface& argb) {
  std::vector<std::uint8_t> coverage(static_cast<std::size_t>(argb.w) * argb.h);
  SDL_LockSurface(&argb);
  for (int y = 0; y < argb.h; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(
        static_cast<const std::uint8_t*>(argb.pixels) + static_cast<std::size_t>(y) * argb.pitch);
    for (int x = 0; x < argb.w; ++x) {
      coverage[static_cast<std::size_t>(y) * argb.w + x] = static_cast<std::uint8_t>(row[x] >> 24);
    }
  }
  SDL_UnlockSurface(&argb);
  return std::make_shared<const TextMask>(argb.w, argb.h, std::move(coverage));
}

int StyleOf(const FontRequest& font) {
  return (font.bold ? TTF_STYLE_BOLD : 0) | (font.italic ? TTF_STYLE_ITALIC : 0) |
         (font.underline ? TTF_STYLE_UNDERLINE : 0);
}

// The cell height (ascent plus descent, TTF_FontHeight) at a whole-pixel em.
int CellHeight(TTF_Font* font, int em) {
  TTF_SetFontSize(font, em);
  return TTF_FontHeight(font);
}

// A size is the text's cell height in pixels (ascent plus descent), as a
// positive height is to a desktop's font API, and never less than the text's
// box: the message, its top its size above Y 590, must end there. Point
// sizes give the em, and the cell is some 12% more by a ratio of each face's
// own; one guess from the cell at em = height is a pixel off at many sizes,
// so the largest em whose cell fits is searched from it (bitmap faces, whose
// cell may not grow with the em, end the search after a few steps).
FontHandle OpenFont(const FontFile& file, int height, int style) {
  FontHandle font(TTF_OpenFontIndex(file.path.c_str(), height, file.index));
  if (!font) return font;
  const int cellAtHeight = TTF_FontHeight(font.get());
  int em = cellAtHeight > 0 ? std::max(1, height * height / cellAtHeight) : height;
  for (int step = 0; step < kFitSteps && em > 1 && CellHeight(font.get(), em) > height; ++step) {
    --em;
  }
  for (int step = 0; step < kFitSteps && CellHeight(font.get(), em + 1) <= height; ++step) ++em;
  TTF_SetFontSize(font.get(), em);
  TTF_SetFontStyle(font.get(), style);
  return font;
}

class TtfTextRasteriser final : public TextRasteriser {
 public:
  TtfTextRasteriser() : ttfReady_(TTF_Init() == 0) {}
  ~TtfTextRasteriser() override {
    // Fonts must close before the library shuts down.
    fonts_.Clear();
    if (ttfReady_) TTF_Quit();
  }

  std::shared_ptr<const TextMask> Rasterise(const FontRequest& request,
                                            const std::string& text) override {
    if (!ttfReady_ || request.height <= 0 || text.empty()) return nullptr;
    TTF_Font* font = FontFor(request);
    if (!font) return nullptr;
    const std::string fitted = FitText(font, text);
    SurfaceHandle rendered(
        TTF_RenderUTF8_Blended(font, fitted.c_str(), SDL_Color{255, 255, 255, 255}));
    if (!rendered) return nullptr;
    SurfaceHandle argb(SDL_ConvertSurfaceFormat(rendered.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    if (!argb) return nullptr;
    return MaskFromArgb(*argb);
  }

 private:
  TTF_Font* FontFor(const FontRequest& request) {
    return fonts_.Get(request, [this](const FontRequest& r) { return OpenFace(r); });
  }

  // An unreadable file for the chosen face has the default face stand in.
  // Null when neither opens.
  FontHandle OpenFace(const FontRequest& request) {
    const auto file = finder_.Find(request.name);
    if (!file) return nullptr;
    const int style = StyleOf(request);
    FontHandle font = OpenFont(*file, request.height, style);
    if (!font) {
      const auto fallback = finder_.DefaultSans();
      if (fallback && !(*fallback == *file)) font = OpenFont(*fallback, request.height, style);
    }
    return font;
  }

  bool ttfReady_;
  FontFinder finder_;
  FontCache<FontHandle> fonts_;
};

}  // namespace

std::unique_ptr<TextRasteriser> CreateTtfTextRasteriser() {
  return std::make_unique<TtfTextRasteriser>();
}

}  // namespace aerolark
