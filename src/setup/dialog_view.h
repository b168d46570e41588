#pragma once
// What the dialog's logic needs from the widgets it drives, whatever toolkit
// draws them: a control's number or text, a list's entries, whether it is
// enabled, and message boxes. Controls are named as the widgets are.

#include <string>
#include <string_view>
#include <vector>

#include "setup/message.h"

namespace aerolark {

class DialogStore;
struct ChooserKind;

enum class Control {
  // "Aircraft"
  hsbMouseS, txtMouseS, chkClock, txtFontSize, chkPowerSave, chkBG, HSBSec, txtBGPlanes,
  chkProp, hsbFastJet, txtFastJet, cboSoundOff, hsbVolume, hsbSpeed, txtSpeed,
  // "BackGround"
  optBakGrnd, cmdSelectBG, txtBGFile,
  // "Logo/Message"
  chkLogo, txtLogo, chkMessage, txtMessage, cboFontsScreen, cboFontSize, lblSample,
  // "Tune the Screensaver"
  hsbTunePC, txtTunePC,
  // the image chooser
  txtFileName, filFiles, cboFileType, lblDirName, dirDirectory, drvDrive,
};

// The widget's name, as written above ("hsbSpeed").
std::string_view ControlName(Control control);

// Setting a control never runs its handler: the logic runs the handler itself
// where a change should count as the user's.
class ControlView : public MessageSink {
 public:
  // A slider's value, 1 or 0 for a check box, the chosen member of an option
  // group or entry of a list; -1 when no entry is chosen.
  virtual int Number(Control control) = 0;
  virtual void SetNumber(Control control, int number) = 0;
  // A text box's text, a list's edit text, a label's text.
  virtual std::string Text(Control control) = 0;
  virtual void SetText(Control control, std::string_view text) = 0;
  // Replaces a list's entries; none is chosen afterwards.
  virtual void SetItems(Control control, const std::vector<std::string>& items) = 0;
  virtual void SetEnabled(Control control, bool enabled) = 0;
};

class DialogView : public ControlView {
 public:
  // Draws the label in the named font, keeping its size and style.
  virtual void SetFontName(Control label, std::string_view family) = 0;
  // Shows the chooser modally, storing through `store`; returns once it is
  // hidden. The chooser is discarded afterwards.
  virtual void RunChooser(const ChooserKind& kind, DialogStore& store) = 0;
  // Asks the desktop to open the page in the user's browser; the outcome is
  // not examined.
  virtual void OpenWebPage(const std::string& address) = 0;
};

struct FolderEntry {
  std::string text;  // what the folder list shows
  std::string path;  // the folder it opens
};

// The folder list: the drive's root and each folder down to the current one
// (opened, the last is current), then the current folder's own folders.
struct FolderTree {
  std::vector<FolderEntry> opened;
  std::vector<FolderEntry> inside;
};

class ChooserView : public ControlView {
 public:
  virtual void ShowFolders(const FolderTree& tree) = 0;
  // "&OK" has stored the path: the chooser hides, and its caller goes on.
  virtual void Hide() = 0;
};

}  // namespace aerolark
