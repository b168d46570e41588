#include "render/overlays.h"

#include "render/scene_colours.h"
#include "settings/conversions.h"
#include "settings/setting_keys.h"

namespace aerolark {
namespace {

constexpr std::int32_t kFontCharset = 1;
constexpr std::int32_t kMessageX = 5;
constexpr double kMessageBaseY = 590;
constexpr std::int32_t kHintTextSize = 14;
constexpr std::int32_t kHintX = 150;
constexpr std::int32_t kHintCaptionY = 225;
constexpr std::int32_t kHintCountdownY = 235;
// The clock and the hints always use this face; the message font is the user's.
constexpr const char* kOverlayFont = "Arial";

void SetPlainFont(DrawingControl& drawing, const std::string& name, std::int32_t size) {
  drawing.SetFont(name, size, kFontCharset, false, false, false);
}

}  // namespace

void MessageSettings::Refresh(Settings& settings) {
  message = ReadSetting(settings, Key::Message);
  checked = NumericRead(ReadSetting(settings, Key::MessageChecked));
  fontName = ReadSetting(settings, Key::FontName);
}

void Overlays::DrawMessageAndLogo(DrawingControl& drawing, const SceneSprites& sprites) const {
  if (message_.checked == 1) {
    // The size is stored as text; a text that is no number gives size 0.
    const double size = NumericRead(options_.fontSize);
    SetPlainFont(drawing, message_.fontName, RoundToInt32(size));
    drawing.DrawText(message_.message, kMessageX, RoundToInt32(kMessageBaseY - size), kCyan);
  }
  if (options_.logoChecked == 1) drawing.DrawSprite(sprites.logo);
}

void Overlays::DrawClockAndHint(DrawingControl& drawing, const SceneSprites& sprites,
                                const HintState& hints) const {
  if (options_.clock == 1) {
    SetPlainFont(drawing, kOverlayFont, options_.fontClock);
    drawing.DrawText(clockTime_, 0, 0, kYellow);
  }
  if (!hints.tuneShown) {
    DrawHint(drawing, "1 of 2 Messages. These messages will only be displayed one time",
             hints.countdown, sprites.tuneMsg);
  }
  if (!hints.monitorShown && hints.tuneShown) {
    DrawHint(drawing, "2 of 2 Messages. These messages will only be displayed one time",
             hints.countdown, sprites.monitor);
  }
}

void Overlays::DrawHint(DrawingControl& drawing, const std::string& caption,
                        std::int16_t countdown, SpriteId picture) const {
  SetPlainFont(drawing, kOverlayFont, kHintTextSize);
  drawing.DrawText(caption, kHintX, kHintCaptionY, kYellow);
  SetPlainFont(drawing, kOverlayFont, kHintTextSize);
  drawing.DrawText("This graphic will disappear in: " + std::to_string(countdown) + " seconds",
                   kHintX, kHintCountdownY, kYellow);
  drawing.DrawSprite(picture);
}

}  // namespace aerolark
