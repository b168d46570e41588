#pragma once
// Opened fonts, kept by what was asked for: the clock draws with the same
// one all the time, and opening a font costs far more than drawing with it.
// A few at most, the least recently used forgotten first.

#include <cstddef>
#include <functional>
#include <string>

#include "drivers/software/lru_cache.h"
#include "drivers/software/text_rasteriser.h"

namespace aerolark {

struct FontRequestHash {
  std::size_t operator()(const FontRequest& font) const {
    const unsigned style = (font.bold ? 1u : 0u) | (font.italic ? 2u : 0u) |
                           (font.underline ? 4u : 0u);
    return std::hash<std::string>()(font.name) ^ (std::hash<int>()(font.height) << 3) ^ style;
  }
};

// `Font` is an owning handle (a unique_ptr) of the text library's font.
template <typename Font>
class FontCache {
 public:
  // The font for `request`, opened by `open(request)` the first time; null
  // when it does not open (and it is tried again next time).
  template <typename Open>
  auto Get(const FontRequest& request, Open open) -> decltype(Font().get()) {
    if (Font* kept = fonts_.Find(request)) return kept->get();
    Font font = open(request);
    if (!font) return nullptr;
    return fonts_.Put(request, std::move(font)).get();
  }
  void Clear() { fonts_.Clear(); }

 private:
  static constexpr std::size_t kFonts = 8;
  LruCache<FontRequest, Font, FontRequestHash> fonts_{kFonts};
};

}  // namespace aerolark
