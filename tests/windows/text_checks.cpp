// Text through GDI: the cell height asked for, solid and antialiased glyphs,
// a style that changes the shape, every glyph inside its mask at every size
// the saver draws, and no failure for any face or text.

#include "platform/win32/windows_api.h"

#include <algorithm>

#include "checks.h"
#include "drivers/win32/win32_backends.h"

namespace aerolark::wintest {
namespace {

bool Draws(const std::shared_ptr<const TextMask>& mask) {
  return mask && std::any_of(mask->coverage.begin(), mask->coverage.end(),
                             [](std::uint8_t c) { return c > 0; });
}

void CheckClock(Checks& checks, TextRasteriser& text) {
  const auto clock = text.Rasterise({"Arial", 24}, "12:34");
  if (!checks.That(Draws(clock), "\"12:34\" in Arial draws")) return;
  checks.That(clock->height >= 22 && clock->height <= 24,
              "the clock's cell is 24 pixels high, not " + std::to_string(clock->height));
  checks.That(clock->width >= 24 && clock->width <= 80,
              "five characters of 24 pixels are some 50 wide, not " +
                  std::to_string(clock->width));
  const auto solid = std::count(clock->coverage.begin(), clock->coverage.end(), 32);
  const auto partial = std::count_if(clock->coverage.begin(), clock->coverage.end(),
                                     [](std::uint8_t c) { return c > 0 && c < 32; });
  checks.That(solid > 0, "the glyphs have solid pixels");
  Checks::Note("clock " + std::to_string(clock->width) + "x" + std::to_string(clock->height) +
               ", " + std::to_string(partial) + " antialiased pixels");
  const auto bold = text.Rasterise({"Arial", 24, true}, "12:34");
  checks.That(Draws(bold) && bold->width > clock->width, "bold is wider");
}

// Ink in the mask's last column means the text was cut there ("...one tim").
void CheckInkInside(Checks& checks, TextRasteriser& text) {
  int cut = 0;
  for (int height = 8; height <= 100; ++height) {
    for (const char* line : {"1 of 2 Messages. These messages will only be displayed one time",
                             "This graphic will disappear in: 29 seconds", "12:59:59 PM", "I'd Rather be Flying"}) {
      const auto mask = text.Rasterise({"Arial", height}, line);
      for (int y = 0; mask && y < mask->height; ++y) cut += mask->coverage[(y + 1) * mask->width - 1] != 0;
    }
  }
  checks.That(cut == 0, std::to_string(cut) + " rows of text touch their mask's right edge");
}

void CheckAnyInput(Checks& checks, TextRasteriser& text) {
  checks.That(Draws(text.Rasterise({"No Such Face Anywhere", 20}, "Aerolark")),
              "a face that is not installed is stood in for");
  checks.That(Draws(text.Rasterise({std::string(80, 'F'), 20}, "Aerolark")),
              "a name too long for a face is stood in for");
  checks.That(Draws(text.Rasterise({"Arial", 20, false, true, true}, "Aerolark")),
              "italic underlined text draws");
  checks.That(Draws(text.Rasterise({"Arial", 20}, "bad \xFF\xFE utf-8 \xC3")),
              "invalid UTF-8 draws, with stand-in glyphs");
  checks.That(Draws(text.Rasterise({"Arial", 20}, "\xE2\x82\xAC 5 \xC3\xA4")),
              "UTF-8 text draws");
  checks.That(!text.Rasterise({"Arial", 20}, ""), "an empty text is nothing");
  checks.That(!text.Rasterise({"Arial", 0}, "x"), "a text of no height is nothing");
  const auto longest = text.Rasterise({"Arial", 400}, std::string(50000, 'W'));
  checks.That(Draws(longest) &&
                  static_cast<long long>(longest->width) * longest->height <= 4 * 1024 * 1024,
              "a very long text is cut to a bounded mask");
}

}  // namespace

void CheckText(Checks& checks) {
  const auto text = CreateGdiTextRasteriser();
  CheckClock(checks, *text);
  CheckInkInside(checks, *text);
  CheckAnyInput(checks, *text);
}

}  // namespace aerolark::wintest
