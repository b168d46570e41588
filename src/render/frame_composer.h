#pragma once
// The frame handler: every frame event ends with a flip, but the scene itself
// (background, message, logo, flyers) is composed only on every TunePC-th
// event; the clock and a due hint are drawn on every event.

#include "render/aircraft_sound.h"
#include "render/drawing_control.h"
#include "render/scene.h"
#include "settings/settings.h"

namespace aerolark {

// Handles one frame event. `settings` is read again for the message settings
// on every composed scene.
void DrawFrameEvent(Scene& scene, DrawingControl& drawing, Settings& settings,
                    AircraftSound& sound);

// Composes the whole scene, bottom to top: background, message, logo,
// background plane, aircraft, the fifteen biplanes.
void ComposeScene(Scene& scene, DrawingControl& drawing, Settings& settings,
                  AircraftSound& sound);

}  // namespace aerolark
