#include "drivers/frame/text_renderer.h"

#include <cmath>

#include "drivers/frame/sdl_handles.h"

namespace aerolark {
namespace {

constexpr std::size_t kFontCacheSize = 8;
constexpr std::size_t kTextCacheSize = 64;
// A rendered text larger than this is cut short: far more than the frame
// shows, and a bound on memory for a hand-edited message of any length.
constexpr std::int64_t kMaxTextPixels = 4 * 1024 * 1024;
// Longer texts are cut before measuring, which costs time per character: no
// frame shows more characters than this even at the smallest size.
constexpr std::size_t kMaxTextBytes = 2048;
// Larger masks are drawn but not kept, so the cache stays small.
constexpr std::size_t kMaxCachedMaskBytes = 1024 * 1024;

// The longest prefix of `text` no longer than `bytes` that does not split a
// UTF-8 sequence.
std::string CutAtCharacter(const std::string& text, std::size_t bytes) {
  while (bytes > 0 && bytes < text.size() &&
         (static_cast<unsigned char>(text[bytes]) & 0xC0) == 0x80) {
    --bytes;
  }
  return text.substr(0, bytes);
}

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

std::shared_ptr<TextMask> MaskFromArgb(SDL_Surface& argb) {
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
  return std::make_shared<TextMask>(argb.w, argb.h, std::move(coverage));
}

FontHandle OpenFont(const FontFile& file, int height, int style) {
  FontHandle font(TTF_OpenFontIndex(file.path.c_str(), height, file.index));
  if (!font) return font;
  // Point sizes give the em; the wanted height is the whole line (ascent
  // plus descent), as the message's placement above its baseline assumes.
  const int lineHeight = TTF_FontHeight(font.get());
  if (lineHeight > 0 && lineHeight != height) {
    const double scaled = std::round(static_cast<double>(height) * height / lineHeight);
    TTF_SetFontSize(font.get(), std::max(1, static_cast<int>(scaled)));
  }
  TTF_SetFontStyle(font.get(), style);
  return font;
}

}  // namespace

struct TextRenderer::OpenFonts {
  LruCache<std::string, FontHandle> byKey{kFontCacheSize};
};

TextRenderer::TextRenderer()
    : ttfReady_(TTF_Init() == 0), fonts_(std::make_unique<OpenFonts>()), texts_(kTextCacheSize) {}

TextRenderer::~TextRenderer() {
  // Fonts must close before the library shuts down.
  fonts_.reset();
  if (ttfReady_) TTF_Quit();
}

void TextRenderer::SetFont(const std::string& name, std::int32_t height, bool bold, bool italic,
                           bool underline) {
  height_ = (height >= kMinTextHeight && height <= kMaxTextHeight) ? height : 0;
  style_ = (bold ? TTF_STYLE_BOLD : 0) | (italic ? TTF_STYLE_ITALIC : 0) |
           (underline ? TTF_STYLE_UNDERLINE : 0);
  if (name != fontName_ || !file_) {
    fontName_ = name;
    file_ = finder_.Find(name);
  }
  fontKey_ = file_ ? file_->path + '\n' + std::to_string(file_->index) + '\n' +
                         std::to_string(height_) + '\n' + std::to_string(style_)
                   : std::string();
}

// The current font, opened on first use.
static TTF_Font* CurrentFont(LruCache<std::string, FontHandle>& fonts, FontFinder& finder,
                             const std::string& key, const FontFile& file, int height,
                             int style) {
  if (auto* open = fonts.Find(key)) return open->get();
  FontHandle font = OpenFont(file, height, style);
  if (!font) {
    // An unreadable file for the chosen face: the default face stands in.
    const auto fallback = finder.DefaultSans();
    if (fallback && !(*fallback == file)) font = OpenFont(*fallback, height, style);
  }
  if (!font) return nullptr;
  return fonts.Put(key, std::move(font)).get();
}

std::shared_ptr<const TextMask> TextRenderer::Render(const std::string& text) {
  if (!ttfReady_ || !file_ || height_ == 0 || text.empty()) return nullptr;
  const std::string key = fontKey_ + '\0' + text;
  if (const auto* cached = texts_.Find(key)) return *cached;
  TTF_Font* font = CurrentFont(fonts_->byKey, finder_, fontKey_, *file_, height_, style_);
  if (!font) return nullptr;
  const std::string fitted = FitText(font, text);
  SurfaceHandle rendered(TTF_RenderUTF8_Blended(font, fitted.c_str(), SDL_Color{255, 255, 255, 255}));
  if (!rendered) return nullptr;
  SurfaceHandle argb(SDL_ConvertSurfaceFormat(rendered.get(), SDL_PIXELFORMAT_ARGB8888, 0));
  if (!argb) return nullptr;
  std::shared_ptr<const TextMask> mask = MaskFromArgb(*argb);
  if (mask->coverage.size() <= kMaxCachedMaskBytes) texts_.Put(key, mask);
  return mask;
}

}  // namespace aerolark
