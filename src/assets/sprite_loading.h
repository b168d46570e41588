#pragma once
// Opens the 800 x 600 drawing surface and loads every picture the scene can
// show into its own sprite, at its start place. Nothing is drawn here, and
// nothing is reloaded while the saver runs.

#include <string>

#include "render/drawing_control.h"
#include "render/scene_sprites.h"
#include "settings/settings.h"

namespace aerolark {

struct LoadedPictures {
  bool screenOpen = false;   // false: nothing below was read or created
  SceneSprites sprites;
  bool tuneShown = false;    // the stored hint markers
  bool monitorShown = false;
  double backGround = 0;
  double logoChecked = 0;
  std::string planeBG;       // whether the background plane flies, as stored
};

// `installFolder` ends with a separator; built-in names are appended to it.
// When the screen cannot be opened no setting is read and no sprite made.
// Without `oneTimeHints` both hints count as shown: no marker is read, no
// hint loaded.
LoadedPictures OpenDrawingSession(DrawingControl& drawing, Settings& settings,
                                  const std::string& installFolder, bool oneTimeHints);

}  // namespace aerolark
