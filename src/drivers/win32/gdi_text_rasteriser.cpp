// Text through GDI into a coverage mask: white on black in a 32-bit DIB
// section, grey-scale antialiased, the coverage read back from it. Fonts are
// asked for by face name and GDI's font mapper finds them, standing in its
// own choice for a face that is not installed.

#include <algorithm>
#include <cstring>
#include <string>

#include "drivers/software/font_cache.h"
#include "drivers/software/text_limits.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/wide_text.h"
#include "drivers/win32/win32_backends.h"

namespace aerolark {
namespace {

// The first half of `text`, not splitting a surrogate pair.
std::wstring FirstHalf(const std::wstring& text) {
  std::size_t half = text.size() / 2;
  if (half > 0 && IS_LOW_SURROGATE(text[half])) --half;
  return text.substr(0, half);
}

FontHandle OpenFont(const FontRequest& request) {
  LOGFONTW font{};
  // A positive height asks for the cell height, ascent plus descent, as the
  // request means it.
  font.lfHeight = request.height;
  font.lfWeight = request.bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = request.italic ? TRUE : FALSE;
  font.lfUnderline = request.underline ? TRUE : FALSE;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_TT_PRECIS;
  font.lfQuality = ANTIALIASED_QUALITY;  // grey levels: coverage, not colour fringes
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  // A name too long for a face name names no face: the mapper's default
  // stands in, as for any face that is not installed.
  const std::wstring face = Wide(request.name);
  if (face.size() < LF_FACESIZE) std::copy(face.begin(), face.end(), font.lfFaceName);
  return FontHandle(CreateFontIndirectW(&font));
}

// Where the text stands in its mask: glyphs of italic faces reach past their
// advance on either side, and would be cut at the mask's edges. The text is
// drawn wider than measured (`drawnWidth`), since the glyphs may stand
// further apart than the extent says: Wine's hinted glyphs at small sizes
// advance up to a pixel more each (the hint line at 14 pixels inks 364
// columns of its 358). The mask is then cut to the ink.
struct Layout {
  int width = 0;
  int height = 0;
  int originX = 0;
  int drawnWidth = 0;
};

Layout Measure(HDC dc, const std::wstring& text) {
  SIZE size{};
  if (!GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size)) return {};
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  ABC first{}, last{};
  const bool outline = GetCharABCWidthsW(dc, text.front(), text.front(), &first) &&
                       GetCharABCWidthsW(dc, text.back(), text.back(), &last);
  const int left = outline ? std::max(0, -first.abcA) : 0;
  const int right = (outline ? std::max(0, -last.abcC) : 0) + metrics.tmOverhang;
  const int width = static_cast<int>(size.cx) + left + right;
  const int slack = static_cast<int>(text.size()) + static_cast<int>(size.cy);
  return Layout{width, static_cast<int>(size.cy), left, width + slack};
}

bool Fits(const Layout& layout) {
  return static_cast<std::int64_t>(layout.drawnWidth) * layout.height <= kMaxTextPixels;
}

// The brightest channel of each pixel: the coverage, whatever the mapper
// did about antialiasing.
std::vector<std::uint8_t> CoverageOf(const std::uint32_t* pixels, std::size_t count) {
  std::vector<std::uint8_t> coverage(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint32_t p = pixels[i];
    coverage[i] =
        static_cast<std::uint8_t>(std::max({p & 0xFF, (p >> 8) & 0xFF, (p >> 16) & 0xFF}));
  }
  return coverage;
}

// The measured width, or as far as the ink reaches and one clear column
// more, whichever is wider: nothing drawn touches the mask's right edge.
int InkedWidth(const std::vector<std::uint8_t>& coverage, const Layout& layout) {
  int inked = 0;
  for (int y = 0; y < layout.height; ++y) {
    const std::uint8_t* row = coverage.data() + static_cast<std::size_t>(y) * layout.drawnWidth;
    for (int x = layout.drawnWidth - 1; x >= inked; --x) {
      if (row[x] != 0) {
        inked = x + 1;
        break;
      }
    }
  }
  return std::min(layout.drawnWidth, std::max(layout.width, inked + 1));
}

std::vector<std::uint8_t> CutColumns(const std::vector<std::uint8_t>& coverage, int from, int to,
                                     int height) {
  std::vector<std::uint8_t> cut(static_cast<std::size_t>(to) * height);
  for (int y = 0; y < height; ++y) {
    std::copy_n(coverage.begin() + static_cast<std::ptrdiff_t>(y) * from, to,
                cut.begin() + static_cast<std::ptrdiff_t>(y) * to);
  }
  return cut;
}

std::shared_ptr<const TextMask> Draw(HDC dc, const std::wstring& text, const Layout& layout) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = layout.drawnWidth;
  info.bmiHeader.biHeight = -layout.height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  BitmapHandle bitmap(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return nullptr;
  const std::size_t count = static_cast<std::size_t>(layout.drawnWidth) * layout.height;
  std::memset(bits, 0, count * 4);
  {
    const Selection selected(dc, bitmap.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    SetTextAlign(dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    ExtTextOutW(dc, layout.originX, 0, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()),
                nullptr);
    GdiFlush();
  }
  const std::vector<std::uint8_t> coverage =
      CoverageOf(static_cast<const std::uint32_t*>(bits), count);
  const int width = InkedWidth(coverage, layout);
  return std::make_shared<const TextMask>(
      width, layout.height, CutColumns(coverage, layout.drawnWidth, width, layout.height));
}

class GdiTextRasteriser final : public TextRasteriser {
 public:
  GdiTextRasteriser() : dc_(CreateCompatibleDC(nullptr)) {}

  std::shared_ptr<const TextMask> Rasterise(const FontRequest& request,
                                            const std::string& text) override {
    if (!dc_ || request.height <= 0 || text.empty()) return nullptr;
    HFONT font = fonts_.Get(request, OpenFont);
    if (!font) return nullptr;
    const Selection selected(dc_.get(), font);
    std::wstring wide = Wide(CutAtCharacter(text, kMaxTextBytes));
    Layout layout;
    while (!wide.empty()) {
      layout = Measure(dc_.get(), wide);
      if (Fits(layout)) break;
      wide = FirstHalf(wide);
    }
    if (wide.empty() || layout.width <= 0 || layout.height <= 0) return nullptr;
    return Draw(dc_.get(), wide, layout);
  }

 private:
  MemoryDc dc_;
  // Fonts go before the device context they were selected into.
  FontCache<FontHandle> fonts_;
};

}  // namespace

std::unique_ptr<TextRasteriser> CreateGdiTextRasteriser() {
  return std::make_unique<GdiTextRasteriser>();
}

}  // namespace aerolark
