#pragma once
// What is drawn over the flyers: the user's message and logo inside a composed
// scene; the clock and a due hint on every frame event.

#include <cstdint>
#include <string>
#include <utility>

#include "render/drawing_control.h"
#include "render/hints.h"
#include "render/scene_sprites.h"
#include "settings/settings.h"

namespace aerolark {

// The message settings, which a running saver reads again for every composed
// scene so that changes made in the dialog show at once.
struct MessageSettings {
  std::string message;
  double checked = 0;     // 1 shows the message
  std::string fontName;

  void Refresh(Settings& settings);
};

// Chosen at start and kept for the run.
struct OverlayOptions {
  std::string fontSize;        // the message's text size, taken as a number
  double logoChecked = 0;      // 1 shows the logo
  double clock = 0;            // 1 shows the clock
  std::int16_t fontClock = 0;  // the clock's text size
};

class Overlays {
 public:
  void Configure(OverlayOptions options) { options_ = std::move(options); }

  MessageSettings& message() { return message_; }
  const OverlayOptions& options() const { return options_; }
  // The clock shows this text until it is set again.
  void SetClockTime(std::string text) { clockTime_ = std::move(text); }
  const std::string& clockTime() const { return clockTime_; }

  // Inside a composed scene, after the background.
  void DrawMessageAndLogo(DrawingControl& drawing, const SceneSprites& sprites) const;
  // On every frame event, over everything else.
  void DrawClockAndHint(DrawingControl& drawing, const SceneSprites& sprites,
                        const HintState& hints) const;

 private:
  void DrawHint(DrawingControl& drawing, const std::string& caption, std::int16_t countdown,
                SpriteId picture) const;

  OverlayOptions options_;
  MessageSettings message_;
  std::string clockTime_;
};

}  // namespace aerolark
