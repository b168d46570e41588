#include "support/stub_services.h"

namespace aerolark::testing {

void ScriptedEvents::RunEvents(DrawingEvents& sink) {
  for (char event : script) {
    if (sink.Ended()) return;
    switch (event) {
      case 'F': sink.DrawFrame(); break;
      case 'S': sink.SecondTick(); break;
      case 'P': sink.PointerMoved(); break;
      case 'B': sink.ButtonEvent(); break;
      case 'K': sink.KeyEvent(); break;
      default: break;
    }
  }
}

bool ScriptedEvents::ShowMessageBox(const std::string& title, const std::string& text) {
  log_.Add(TraceLine('M').Text(title).Text(text));
  return messageBoxShown;
}

}  // namespace aerolark::testing
