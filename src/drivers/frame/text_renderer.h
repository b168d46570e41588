#pragma once
// Renders texts in a named font whose size is the text's height in pixels.
// Opened fonts and rendered texts are cached (the clock draws the same text
// hundreds of times a second); both caches are bounded.

#include <cstdint>
#include <memory>
#include <string>

#include "drivers/frame/font_finder.h"
#include "drivers/frame/lru_cache.h"
#include "drivers/frame/text_mask.h"

namespace aerolark {

// Sizes beyond these draw nothing.
constexpr int kMinTextHeight = 1;
constexpr int kMaxTextHeight = 1000;

class TextRenderer {
 public:
  TextRenderer();
  ~TextRenderer();
  TextRenderer(const TextRenderer&) = delete;
  TextRenderer& operator=(const TextRenderer&) = delete;

  void SetFont(const std::string& name, std::int32_t height, bool bold, bool italic,
               bool underline);
  // The text (UTF-8; invalid sequences show as replacement glyphs) in the
  // current font. Null when there is nothing to draw: empty text, a size out
  // of range, no usable font.
  std::shared_ptr<const TextMask> Render(const std::string& text);

 private:
  struct OpenFonts;  // the font library's handles, kept out of this header


  bool ttfReady_ = false;
  FontFinder finder_;
  std::optional<FontFile> file_;  // of the current font; nothing draws without one
  std::string fontName_;
  int height_ = 0;
  int style_ = 0;
  std::string fontKey_;
  std::unique_ptr<OpenFonts> fonts_;
  LruCache<std::string, std::shared_ptr<const TextMask>> texts_;
};

}  // namespace aerolark
