#pragma once
// Turning a string into glyph coverage is the backend's library's job
// (SDL2_ttf with fontconfig on Linux, GDI on Windows); the compositor asks
// through this and keeps what comes back.

#include <memory>
#include <string>

#include "drivers/software/text_mask.h"

namespace aerolark {

struct FontRequest {
  std::string name;  // a face name as the desktop knows it ("Arial")
  int height = 0;    // of the whole line, ascent plus descent, in pixels
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool operator==(const FontRequest&) const = default;
};

class TextRasteriser {
 public:
  virtual ~TextRasteriser() = default;
  // `text` (UTF-8; invalid sequences show as replacement glyphs) in the
  // font, white coverage on nothing. A face that is not installed is stood in
  // for by the desktop's default face. Null when nothing can be drawn: no
  // usable font at all, or the library failed. A very long text may be cut
  // short, as no frame could show it whole.
  virtual std::shared_ptr<const TextMask> Rasterise(const FontRequest& font,
                                                    const std::string& text) = 0;
};

}  // namespace aerolark
