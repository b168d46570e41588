#pragma once
// A drawing driver is the drawing control together with the loop that raises
// its events: the saver window talks to one object for both.

#include "render/drawing_control.h"
#include "render/drawing_events.h"

namespace aerolark {

class DrawingDriver : public DrawingControl, public EventSource {};

}  // namespace aerolark
