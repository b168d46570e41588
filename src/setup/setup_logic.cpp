#include "setup/setup_logic.h"

#include "assets/builtin_files.h"
#include "setup/dialog_view.h"
#include "setup/image_chooser_logic.h"

namespace aerolark {

std::string MakerAddress() { return "http://" AEROLARK_WEB_HOST; }

std::string SupportPage(const std::string& installFolder) {
  constexpr bool kOnline = AEROLARK_ONLINE_HELP != 0;
  if (kOnline) return MakerAddress() + "/" + std::string(builtin::kSupportPage);
  return builtin::PathIn(installFolder, builtin::kSupportPage);
}

std::string DialogCaption() { return "Aerolark  " + MakerAddress(); }
std::string ProgramVersion() { return AEROLARK_VERSION; }

std::string InstallFolderForDisplay(std::string installFolder) {
  while (installFolder.size() > 1 && (installFolder.back() == '/' || installFolder.back() == '\\')) {
    installFolder.pop_back();
  }
  return installFolder;
}

SetupLogic::SetupLogic(Settings& settings, DialogView& view)
    : view_(view),
      store_(settings, view),
      bindings(view, store_),
      aircraft(view, store_),
      background(view, store_),
      logoMessage(view, store_) {}

// The order matters: later steps read what earlier handlers stored (the
// font chosen by index is then found again by name).
void SetupLogic::Load(const std::vector<std::string>& fontFamilies, const std::string& installFolder) {
  using C = Control;
  store_.EnsureDefaults(installFolder);
  aircraft.FillSoundOff();
  logoMessage.FillSizes();
  logoMessage.FillFonts(fontFamilies);
  logoMessage.SelectStoredFontIndex();
  logoMessage.ShowSelectedFontInSample();
  bindings.Load(C::chkBG);
  background.LoadChoice();
  bindings.Load(C::chkProp);
  bindings.Load(C::txtMessage);
  bindings.Load(C::hsbSpeed);
  bindings.Load(C::chkMessage);
  bindings.Load(C::chkLogo);
  logoMessage.SelectLogo();
  background.SelectBG();
  logoMessage.SelectStoredFontName();
  bindings.Load(C::HSBSec);
  bindings.Load(C::hsbFastJet);
  logoMessage.SelectStoredSizeIndex();
  logoMessage.LoadSizeText();
  bindings.Load(C::hsbTunePC);
  bindings.Load(C::hsbMouseS);
  bindings.Load(C::chkClock);
  bindings.Load(C::txtFontSize);
  aircraft.LoadSoundOff();
  bindings.Load(C::hsbVolume);
  bindings.Load(C::chkPowerSave);
  background.EnableSelectForChoice();
}

void SetupLogic::SelectPicture(const ChooserKind& kind) {
  view_.RunChooser(kind, store_);
  if (kind.key == Key::BMPFileName) {
    background.SelectBG();
  } else {
    logoMessage.SelectLogo();
  }
}

void SetupLogic::Help(const std::string& installFolder) {
  view_.OpenWebPage(SupportPage(installFolder));
}

void SetupLogic::About() {
  view_.Show(Message{"About Aerolark",
                     "Aerolark\nVersion " + ProgramVersion() + "\n" + MakerAddress(),
                     MessageIcon::About});
}

}  // namespace aerolark
