// The dialog's logic on a recording store and view: the opening sequence,
// what every control shows and stores back, and the handlers' edge cases.

#include <gtest/gtest.h>

#include "setup_test_support.h"

namespace aerolark::testing {
namespace {

using C = Control;

// Filled once then emptied by hand, every control shows "1" or its clamp and
// stores it back; a store never filled gets the defaults first, so that the
// saver's first start keeps what the user then chooses.
TEST(SetupOpening, AnEmptiedStoreShowsOneOrItsClampAndANeverFilledOneTheDefaults) {
  DialogRig rig;
  rig.settings.Put(Key::SetReg, "2");
  rig.Open();
  RecordingDialogView& view = rig.view;
  // The handlers store what the controls were set to (below); the displays
  // store nothing, so what they show is checked here.
  const std::map<C, std::string> shown = {
      {C::txtSpeed, "2"}, {C::txtBGPlanes, "36"}, {C::txtFastJet, "30"}, {C::txtTunePC, "1"},
      {C::txtMouseS, "2"}, {C::txtLogo, "1"},     {C::txtBGFile, "1"},   {C::cboSoundOff, "1"},
      {C::cboFontSize, "10"}};
  for (const auto& [control, text] : shown) EXPECT_EQ(view.texts[control], text) << ControlName(control);
  EXPECT_EQ(view.numbers[C::cboFontsScreen], 1);
  EXPECT_EQ(view.numbers[C::optBakGrnd], 0);
  EXPECT_FALSE(view.enabled[C::cmdSelectBG]);
  EXPECT_EQ(view.sampleFont, "Family 01");

  // Every handler ran once, in the opening order; the stop-sound list and the
  // two file-name displays store nothing.
  std::vector<std::string> order;
  for (const RecordedWrite& w : rig.settings.writes) order.push_back(w.key + "=" + w.value);
  EXPECT_EQ(order, (std::vector<std::string>{
                       "SelectedFont=1", "FontName=Family 01", "PlaneBG=1", "BackGround=1",
                       "Prop=1", "Message=1", "Speed=2", "MessageChecked=1", "LogoChecked=1",
                       "SelectedFont=1", "FontName=Family 01", "BGFreq=36", "SecDelay=30",
                       "SelectedFontSize=1", "FontSize=10", "FontSize=10", "TunePC=1",
                       "MouseSens=2", "Clock=1", "FontClock=1", "Volume=0", "PwrSave=1"}));
  EXPECT_TRUE(view.messages.empty());

  DialogRig fresh;
  fresh.Open();
  RecordingSettings defaults;
  WriteDefaults(defaults, DialogRig::kFolder);
  fresh.settings.writes.resize(defaults.writes.size());
  EXPECT_EQ(fresh.settings.writes, defaults.writes);
  fresh.view.numbers[C::hsbSpeed] = 6;
  fresh.logic.bindings.OnSlider(C::hsbSpeed, SliderMove::Dragged);
  fresh.settings.writes.clear();
  EnsureDefaults(fresh.settings, DialogRig::kFolder);  // the saver's first start
  EXPECT_TRUE(fresh.settings.writes.empty());
}

TEST(SetupOpening, StoredValuesComeBackUnchangedButForTheIndexedFontAndSizeAndCanonicalNumbers) {
  DialogRig rig;
  ASSERT_TRUE(WriteDefaults(rig.settings, "/opt/aerolark/share/aerolark/").ok);
  rig.settings.Put(Key::Speed, "05");
  rig.settings.Put(Key::BGFreq, " 120 ");
  rig.settings.Put(Key::FontSize, "25");  // typed last time: the entry at SelectedFontSize again
  rig.settings.writes.clear();
  // The same file but for these, with nothing added ("Background" is the same key).
  RecordingSettings expected = rig.settings;
  expected.Put(Key::BGFreq, "120");
  expected.Put(Key::FontName, "Family 04");
  expected.Put(Key::FontSize, "30");
  expected.Put(Key::Speed, "5");

  rig.Open();

  EXPECT_EQ(rig.settings.Text(), expected.Text());
  EXPECT_EQ(rig.view.sampleFont, "Family 04");
  EXPECT_EQ(rig.view.texts[C::cboSoundOff], "Never");
  EXPECT_EQ(rig.view.texts[C::txtBGFile], "/opt/aerolark/share/aerolark/Sunset Red.BMP");
  EXPECT_EQ(rig.view.numbers[C::optBakGrnd], 2);
  EXPECT_TRUE(rig.view.enabled[C::cmdSelectBG]);
  EXPECT_EQ(rig.settings.WritesOf(Key::SoundOff), std::vector<std::string>{});
}

TEST(SetupOpening, HandEditedValuesAreClampedOrFallBackToTheFirstPosition) {
  struct Case { Key key; const char* edited; const char* stored; };
  const Case cases[] = {
      {Key::Speed, "fast", "2"},  // no number: first position
      {Key::BGFreq, "999", "300"},  {Key::Volume, "-99999", "-2500"},  {Key::TunePC, "", "0"},
      {Key::Clock, "7", "1"},  // any larger number ticks
      {Key::Prop, "-1", "0"},
      {Key::SelectedFont, "-3", "0"},  // no position of the list: the first
      {Key::SelectedFontSize, "11", "0"},  // one past the last of the 11 sizes
      {Key::BackGround, "9", "1"},
      {Key::SoundOff, "7", "7"},  // no list item: shown, left alone
      {Key::SetReg, "2", "2"}};  // filled once: no defaults over these
  DialogRig rig;
  for (const Case& c : cases) rig.settings.Put(c.key, c.edited);
  rig.Open();
  for (const Case& c : cases) EXPECT_EQ(rig.settings.Stored(c.key), c.stored) << Declaration(c.key).name;
  EXPECT_EQ(rig.settings.Stored(Key::FontName), "Family 00");
  EXPECT_EQ(rig.settings.Stored(Key::FontSize), "8");
  EXPECT_FALSE(rig.view.enabled[C::cmdSelectBG]);
  EXPECT_EQ(rig.view.texts[C::cboSoundOff], "7");
}

TEST(SetupOpening, FontListHoldsTheFirstFortyFamiliesSorted) {
  std::vector<std::string> families = TestFamilies(60);
  // The first 40 as handed over, whatever their order: "zeta Mono" and
  // "Family 39" to "Family 01"; "Family 00" is 41st and left out.
  std::swap(families[0], families[39]);
  families.insert(families.begin(), "zeta Mono");
  DialogRig rig;
  rig.Open(families);
  const std::vector<std::string>& fonts = rig.view.items[C::cboFontsScreen];
  ASSERT_EQ(fonts.size(), 40u);
  EXPECT_EQ(fonts[0], "Family 01");
  EXPECT_EQ(fonts[38], "Family 39");
  EXPECT_EQ(fonts[39], "zeta Mono");

  DialogRig few;
  few.Open(TestFamilies(3));
  EXPECT_EQ(few.view.items[C::cboFontsScreen].size(), 3u);
  EXPECT_EQ(few.settings.Stored(Key::FontName), "Family 00");

  DialogRig none;
  none.settings.Put(Key::SetReg, "2");
  none.Open({});  // no fonts at all: nothing to select, nothing stops
  EXPECT_FALSE(none.settings.Stored(Key::FontName).has_value());
}

// Slider, check box, option and list changes through the real widgets are in
// setup_view_test; here what the widgets cannot send.
TEST(SetupHandlers, EntriesThatDoNotExistStoreNothingAndEmptyTextIsStored) {
  DialogRig rig;
  rig.Open();
  rig.settings.writes.clear();
  for (int none : {-1, 99}) {
    rig.logic.logoMessage.OnFontChosen(none);
    rig.logic.logoMessage.OnSizeChosen(none);
    rig.logic.aircraft.OnSoundOffChosen(none);
    rig.logic.background.OnOptionChosen(none);
  }
  EXPECT_TRUE(rig.settings.writes.empty());
  rig.view.texts[C::txtMessage] = "";
  rig.logic.bindings.OnChanged(C::txtMessage);
  rig.logic.bindings.OnChanged(C::txtSpeed);  // a value box is a display
  EXPECT_EQ(rig.settings.writes, (std::vector<RecordedWrite>{{"Startup", "Message", ""}}));
}

TEST(SetupWriteFailure, TheUserIsToldOnceAndTheDialogCarriesOn) {
  DialogRig rig;
  rig.settings.failWrites = true;
  rig.Open();
  rig.view.numbers[C::hsbSpeed] = 6;
  rig.logic.bindings.OnSlider(C::hsbSpeed, SliderMove::Dragged);
  ASSERT_EQ(rig.view.messages.size(), 1u);
  EXPECT_EQ(rig.view.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(rig.view.texts[C::txtSpeed], "6");
}

}  // namespace
}  // namespace aerolark::testing
