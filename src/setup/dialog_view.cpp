#include "setup/dialog_view.h"

#include <array>

namespace aerolark {
namespace {

// In the order of the enumeration.
constexpr std::array<std::string_view, 33> kNames = {
    "hsbMouseS",   "txtMouseS",  "chkClock",      "txtFontSize",    "chkPowerSave", "chkBG",
    "HSBSec",      "txtBGPlanes", "chkProp",      "hsbFastJet",     "txtFastJet",   "cboSoundOff",
    "hsbVolume",   "hsbSpeed",   "txtSpeed",      "optBakGrnd",     "cmdSelectBG",  "txtBGFile",
    "chkLogo",     "txtLogo",    "chkMessage",    "txtMessage",     "cboFontsScreen", "cboFontSize",
    "lblSample",   "hsbTunePC",  "txtTunePC",     "txtFileName",    "filFiles",     "cboFileType",
    "lblDirName",  "dirDirectory", "drvDrive"};
static_assert(kNames.size() == static_cast<std::size_t>(Control::drvDrive) + 1);

}  // namespace

std::string_view ControlName(Control control) { return kNames[static_cast<std::size_t>(control)]; }

}  // namespace aerolark
