#pragma once
// Pictures and text made by the tests themselves, so the compositor is
// tried without any decoding or font library; and a compositor to try.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "drivers/software/software_compositor.h"

namespace aerolark::testing {

inline constexpr Colour kRed = PackColour(255, 0, 0);
inline constexpr Colour kGreen = PackColour(0, 255, 0);
inline constexpr Colour kBlue = PackColour(0, 0, 255);
inline constexpr Colour kYellow = PackColour(255, 255, 0);
inline constexpr Colour kMagenta = PackColour(255, 0, 255);
inline constexpr Colour kBlack = PackColour(0, 0, 0);

using PixelRule = std::function<Colour(int x, int y)>;
using AlphaRule = std::function<int(int x, int y)>;

inline PixelRule Solid(Colour colour) {
  return [colour](int, int) { return colour; };
}

// Pictures by name; any other name does not decode.
class MemoryPictures final : public PictureDecoder {
 public:
  // `alpha` empty: opaque everywhere. Returns the name.
  std::string Add(const std::string& name, int width, int height, const PixelRule& rule,
                  const AlphaRule& alpha = {}) {
    StillPicture picture{width, height, {}};
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const auto colour = static_cast<std::uint32_t>(rule(x, y));
        const std::uint32_t rgb =
            ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
        const auto a = static_cast<std::uint32_t>(alpha ? alpha(x, y) : 255);
        picture.pixels.push_back((a << 24) | rgb);
      }
    }
    pictures_[name] = std::move(picture);
    return name;
  }
  std::optional<StillPicture> Decode(const std::string& path) override {
    const auto found = pictures_.find(path);
    if (found == pictures_.end()) return std::nullopt;
    return found->second;
  }

 private:
  std::map<std::string, StillPicture> pictures_;
};

// Each byte of the text a block half as wide as the font is high, solid but
// for a half-covered last column, so blending shows. Counts its calls.
class BlockText final : public TextRasteriser {
 public:
  std::shared_ptr<const TextMask> Rasterise(const FontRequest& font,
                                            const std::string& text) override {
    ++calls;
    const int glyph = std::max(1, font.height / 2);
    const int width = glyph * static_cast<int>(text.size());
    std::vector<std::uint8_t> coverage(static_cast<std::size_t>(width) * font.height, 255);
    for (int y = 0; y < font.height; ++y) coverage[(y + 1) * width - 1] = 128;
    return std::make_shared<const TextMask>(width, font.height, std::move(coverage));
  }
  int calls = 0;
};

// The fakes, held as the real codecs are.
struct FakeCodecs {
  std::unique_ptr<MemoryPictures> pictures = std::make_unique<MemoryPictures>();
  std::unique_ptr<BlockText> text = std::make_unique<BlockText>();
};

// A compositor with its 800 x 600 screen open, drawing with `Codecs`.
template <typename Codecs>
class CompositorTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(driver.OpenScreen(800, 600, 16, "")); }

  // A new sprite showing the picture at `path`, placed at (x, y).
  SpriteId Load(const std::string& path, std::int32_t keyMode, int x = 0, int y = 0) {
    const SpriteId id = driver.NewSprite();
    driver.LoadSprite(id, 1, path, keyMode);
    driver.SetSpriteX(id, x);
    driver.SetSpriteY(id, y);
    return id;
  }
  Colour At(int x, int y) const { return FromRgb565(driver.Front().At(x, y)); }
  // Of a colour the 16-bit frame can hold exactly.
  int Count(Colour colour) const {
    const Pixel565* pixels = driver.Front().Data();
    return static_cast<int>(std::count(pixels, pixels + 800 * 600, ToRgb565(colour)));
  }

  Codecs codecs;
  SoftwareCompositor driver{*codecs.pictures, *codecs.text};
};

}  // namespace aerolark::testing
