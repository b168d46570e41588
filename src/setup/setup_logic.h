#pragma once
// The settings dialog without its widgets: the opening sequence, every
// control's handler, the bottom bar and the two Select buttons. A view (Qt
// on Linux, the native dialog on Windows) builds the widgets, hands each
// user change to the matching handler here, and shows what it is told.

#include <string>
#include <vector>

#include "settings/settings.h"
#include "setup/aircraft_logic.h"
#include "setup/background_logic.h"
#include "setup/control_bindings.h"
#include "setup/dialog_store.h"
#include "setup/logo_message_logic.h"

namespace aerolark {

struct ChooserKind;

// "http://" and the maker's host; the window caption; the version shown by
// "&About".
std::string MakerAddress();
std::string DialogCaption();
std::string ProgramVersion();

// What "&Online HELP" opens: the maker's support page where the build names
// a real web host; otherwise the page shipped in `installFolder` (which ends
// with a separator), as a path.
std::string SupportPage(const std::string& installFolder);

// The install folder as the dialog shows it: without a trailing separator.
std::string InstallFolderForDisplay(std::string installFolder);

class SetupLogic {
  // First, so that the pages below are handed a store already made.
  DialogView& view_;
  DialogStore store_;

 public:
  // Keeps the references; touches neither the view nor the store until Load.
  SetupLogic(Settings& settings, DialogView& view);
  SetupLogic(const SetupLogic&) = delete;
  SetupLogic& operator=(const SetupLogic&) = delete;

  // The opening sequence: a store never filled gets the defaults, every
  // control shows its stored value, and the handlers that run store it back.
  // `fontFamilies` is the system's list; `installFolder` as for SupportPage.
  void Load(const std::vector<std::string>& fontFamilies, const std::string& installFolder);

  // "Select Background" and "Select &Logo": runs the chooser, then shows
  // whatever the chooser's key now holds, changed or not.
  void SelectPicture(const ChooserKind& kind);
  // "&Online HELP"; `installFolder` as for SupportPage.
  void Help(const std::string& installFolder);
  // "&About".
  void About();

  DialogStore& store() { return store_; }

  ControlBindings bindings;
  AircraftLogic aircraft;
  BackgroundLogic background;
  LogoMessageLogic logoMessage;
};

}  // namespace aerolark
