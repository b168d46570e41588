#include "setup/logo_message_logic.h"

#include <algorithm>
#include <cctype>

#include "setup/control_bindings.h"
#include "setup/dialog_store.h"
#include "setup/dialog_view.h"

namespace aerolark {
namespace {

bool IsEntry(int index, const std::vector<std::string>& entries) {
  return index >= 0 && index < static_cast<int>(entries.size());
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](unsigned char x, unsigned char y) {
                                        return std::tolower(x) < std::tolower(y);
                                      });
}

}  // namespace

std::vector<std::string> FontListEntries(std::vector<std::string> families) {
  if (families.size() > LogoMessageLogic::kFontListSize) {
    families.resize(LogoMessageLogic::kFontListSize);
  }
  std::stable_sort(families.begin(), families.end(), LessIgnoringCase);
  return families;
}

LogoMessageLogic::LogoMessageLogic(DialogView& view, DialogStore& store)
    : view_(view), store_(store),
      sizes_{"8", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100"} {}

void LogoMessageLogic::FillSizes() { view_.SetItems(Control::cboFontSize, sizes_); }

void LogoMessageLogic::FillFonts(const std::vector<std::string>& families) {
  fonts_ = FontListEntries(families);
  view_.SetItems(Control::cboFontsScreen, fonts_);
}

void LogoMessageLogic::SelectStoredFontIndex() {
  if (fonts_.empty()) return;
  OnFontChosen(StoredListIndex(store_.Read(Key::SelectedFont), static_cast<int>(fonts_.size())));
}

void LogoMessageLogic::SelectStoredFontName() {
  if (fonts_.empty()) return;
  auto found = std::find(fonts_.begin(), fonts_.end(), store_.Read(Key::FontName));
  OnFontChosen(found == fonts_.end() ? 0 : static_cast<int>(found - fonts_.begin()));
}

void LogoMessageLogic::ShowSelectedFontInSample() {
  int index = view_.Number(Control::cboFontsScreen);
  if (IsEntry(index, fonts_)) view_.SetFontName(Control::lblSample, fonts_[index]);
}

void LogoMessageLogic::SelectStoredSizeIndex() {
  OnSizeChosen(StoredListIndex(store_.Read(Key::SelectedFontSize), static_cast<int>(sizes_.size())));
}

void LogoMessageLogic::LoadSizeText() {
  sizeText_.Show(view_, Control::cboFontSize, store_.Read(Key::FontSize));
  OnSizeTyped();
}

void LogoMessageLogic::SelectLogo() {
  view_.SetText(Control::txtLogo, store_.Read(Key::LogoFileName));
}

void LogoMessageLogic::OnFontChosen(int index) {
  if (!IsEntry(index, fonts_)) return;
  view_.SetNumber(Control::cboFontsScreen, index);
  store_.Write(Key::SelectedFont, std::to_string(index));
  store_.Write(Key::FontName, fonts_[index]);
  ShowSelectedFontInSample();
}

void LogoMessageLogic::OnSizeChosen(int index) {
  if (!IsEntry(index, sizes_)) return;
  view_.SetNumber(Control::cboFontSize, index);
  store_.Write(Key::SelectedFontSize, std::to_string(index));
  store_.Write(Key::FontSize, sizes_[index]);
}

void LogoMessageLogic::OnSizeTyped() {
  store_.Write(Key::FontSize, sizeText_.Current(view_, Control::cboFontSize));
}

}  // namespace aerolark
