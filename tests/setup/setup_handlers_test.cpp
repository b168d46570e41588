// Each control's handler: the key, section and value it stores, and when.

#include <gtest/gtest.h>

#include "setup_test_support.h"

namespace aerolark::testing {
namespace {

using C = Control;
using Values = std::vector<std::string>;

class SetupHandlers : public ::testing::Test {
 protected:
  void SetUp() override {
    rig.Open();
    rig.settings.writes.clear();
  }
  // The user moves a slider to `value` in the way `move` says.
  void Slide(C slider, int value, SliderMove move) {
    rig.view.numbers[slider] = value;
    rig.logic.bindings.OnSlider(slider, move);
  }

  DialogRig rig;
  std::vector<RecordedWrite>& writes = rig.settings.writes;
};

TEST_F(SetupHandlers, CheckBoxesStoreZeroOrOneInTheirSection) {
  struct Case { C box; const char* section; const char* key; };
  const Case cases[] = {{C::chkBG, "Startup", "PlaneBG"},       {C::chkClock, "Startup", "Clock"},
                        {C::chkLogo, "Startup", "LogoChecked"}, {C::chkMessage, "Startup", "MessageChecked"},
                        {C::chkPowerSave, "System", "PwrSave"}, {C::chkProp, "Startup", "Prop"}};
  for (const Case& c : cases) {
    writes.clear();
    for (int ticked : {0, 1}) {
      rig.view.numbers[c.box] = ticked;
      rig.logic.bindings.OnChanged(c.box);
    }
    EXPECT_EQ(writes, (std::vector<RecordedWrite>{{c.section, c.key, "0"}, {c.section, c.key, "1"}}));
  }
}

TEST_F(SetupHandlers, SlidersStoreTheirMovesAndShowThemInTheirValueBoxes) {
  struct Case { C slider; C box; Key key; };
  const Case cases[] = {{C::hsbSpeed, C::txtSpeed, Key::Speed},
                        {C::HSBSec, C::txtBGPlanes, Key::BGFreq},
                        {C::hsbFastJet, C::txtFastJet, Key::SecDelay},
                        {C::hsbMouseS, C::txtMouseS, Key::MouseSens},
                        {C::hsbTunePC, C::txtTunePC, Key::TunePC}};
  for (const Case& c : cases) {
    SCOPED_TRACE(ControlName(c.slider));
    const int start = rig.view.numbers[c.slider];
    Slide(c.slider, start + 1, SliderMove::Dragged);
    Slide(c.slider, start + 2, SliderMove::Dragged);
    Slide(c.slider, start + 2, SliderMove::ThumbReleased);  // already stored
    Slide(c.slider, start + 1, SliderMove::Settled);        // arrow, track or key
    EXPECT_EQ(rig.settings.WritesOf(c.key),
              (Values{std::to_string(start + 1), std::to_string(start + 2),
                      std::to_string(start + 1)}));
    EXPECT_EQ(rig.view.texts[c.box], std::to_string(start + 1));
  }
  // The volume is stored when the thumb is let go and on settled steps only.
  for (int v = -2499; v <= 0; v += 500) Slide(C::hsbVolume, v, SliderMove::Dragged);
  Slide(C::hsbVolume, 0, SliderMove::ThumbReleased);
  Slide(C::hsbVolume, -1, SliderMove::Settled);
  EXPECT_EQ(rig.settings.WritesOf(Key::Volume), (Values{"0", "-1"}));
}

TEST_F(SetupHandlers, BackgroundChoiceStoresItsNumberAndEnablesTheCustomButton) {
  rig.logic.background.OnOptionChosen(2);
  EXPECT_TRUE(rig.view.enabled[C::cmdSelectBG]);
  rig.logic.background.OnOptionChosen(1);
  EXPECT_FALSE(rig.view.enabled[C::cmdSelectBG]);
  rig.logic.background.OnOptionChosen(3);  // no such option
  EXPECT_EQ(rig.settings.WritesOf(Key::BackGround), (Values{"3", "2"}));
  EXPECT_EQ(rig.logic.background.choice(), "2");
}

TEST_F(SetupHandlers, ListsStoreTheChosenEntryAndTheSizeAlsoWhatIsTyped) {
  rig.logic.logoMessage.OnFontChosen(2);
  EXPECT_EQ(rig.view.sampleFont, "Family 02");
  rig.logic.logoMessage.OnSizeChosen(2);
  for (const char* typed : {"2", "25"}) {
    rig.view.texts[C::cboFontSize] = typed;
    rig.logic.logoMessage.OnSizeTyped();
  }
  rig.logic.aircraft.OnSoundOffChosen(0);
  rig.logic.aircraft.OnSoundOffChosen(19);
  for (int none : {-1, 99}) {  // no such entry: nothing is stored
    rig.logic.logoMessage.OnFontChosen(none);
    rig.logic.logoMessage.OnSizeChosen(none);
    rig.logic.aircraft.OnSoundOffChosen(none);
  }
  EXPECT_EQ(writes, (std::vector<RecordedWrite>{{"Startup", "SelectedFont", "2"},
                                                {"Startup", "FontName", "Family 02"},
                                                {"Startup", "SelectedFontSize", "2"},
                                                {"Startup", "FontSize", "20"},
                                                {"Startup", "FontSize", "2"},
                                                {"Startup", "FontSize", "25"},
                                                {"System", "SoundOff", "Never"},
                                                {"System", "SoundOff", "480"}}));
}

TEST_F(SetupHandlers, TextBoxesStoreEveryEditIncludingEmpty) {
  for (const char* text : {"", "H", "Hi"}) {
    rig.view.texts[C::txtMessage] = text;
    rig.logic.bindings.OnChanged(C::txtMessage);
  }
  EXPECT_EQ(rig.settings.WritesOf(Key::Message), (Values{"", "H", "Hi"}));
  rig.view.texts[C::txtFontSize] = "12";
  rig.logic.bindings.OnChanged(C::txtFontSize);
  EXPECT_EQ(rig.settings.WritesOf(Key::FontClock), (Values{"12"}));
  rig.logic.bindings.OnChanged(C::txtSpeed);  // a value box is a display
  EXPECT_EQ(writes.size(), 4u);
}

TEST_F(SetupHandlers, BottomBarAndSelectButtons) {
  rig.logic.Help();
  EXPECT_EQ(rig.view.openedPages, Values{"http://www.aerolark.example/support.htm"});
  rig.logic.About();
  EXPECT_EQ(rig.view.messages, (std::vector<Message>{{"About Aerolark",
                                                      "Aerolark\nVersion " AEROLARK_VERSION
                                                      "\nhttp://www.aerolark.example",
                                                      MessageIcon::About}}));
  rig.view.runChooser = [](const ChooserKind& kind, DialogStore& store) {
    if (kind.key == Key::BMPFileName) store.Write(kind.key, "/pictures/dusk.bmp");
  };
  rig.logic.SelectPicture(BackgroundChooser());
  EXPECT_EQ(rig.view.texts[C::txtBGFile], "/pictures/dusk.bmp");
  rig.settings.Put(Key::LogoFileName, "/old.bmp");
  rig.logic.SelectPicture(LogoChooser());  // cancelled: the stored name is shown
  EXPECT_EQ(rig.view.texts[C::txtLogo], "/old.bmp");
}

TEST(SetupWriteFailure, TheUserIsToldOnceAndTheDialogCarriesOn) {
  DialogRig rig;
  rig.settings.failWrites = true;
  rig.Open();
  rig.view.numbers[C::hsbSpeed] = 6;
  rig.logic.bindings.OnSlider(C::hsbSpeed, SliderMove::Dragged);
  EXPECT_EQ(rig.view.messages,
            (std::vector<Message>{{"Aerolark",
                                   "Your changes cannot be saved (the folder is read-only).\n\n"
                                   "The settings stay as they were; you can keep using the dialog.",
                                   MessageIcon::Information}}));
  EXPECT_EQ(rig.view.texts[C::txtSpeed], "6");
}

}  // namespace
}  // namespace aerolark::testing
