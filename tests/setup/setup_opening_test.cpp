// The opening sequence: what every control shows and what it stores back.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <gtest/gtest.h>

#include "setup_test_support.h"

namespace aerolark::testing {
namespace {


struct SliderExpectation {
  const char* slider;
  const char* valueBox;  // null for the volume slider
  Key key;
  int shown;
};

TEST(SetupOpening, EmptyStoreShowsOneOrItsClampAndStoresItBackInOrder) {
  DialogHarness harness;
  auto setup = harness.Open();

  const SliderExpectation sliders[] = {
      {"hsbSpeed", "txtSpeed", Key::Speed, 2},          {"HSBSec", "txtBGPlanes", Key::BGFreq, 36},
      {"hsbFastJet", "txtFastJet", Key::SecDelay, 30},  {"hsbTunePC", "txtTunePC", Key::TunePC, 1},
      {"hsbMouseS", "txtMouseS", Key::MouseSens, 2},    {"hsbVolume", nullptr, Key::Volume, 0},
  };
  for (const SliderExpectation& s : sliders) {
    SCOPED_TRACE(s.slider);
    EXPECT_EQ(Find<QScrollBar>(setup.get(), s.slider)->value(), s.shown);
    if (s.valueBox) {
      EXPECT_EQ(Find<QLineEdit>(setup.get(), s.valueBox)->text().toInt(), s.shown);
    }
    EXPECT_EQ(harness.settings.Stored(s.key), std::to_string(s.shown));
  }
  for (const char* box : {"chkBG", "chkProp", "chkMessage", "chkLogo", "chkClock", "chkPowerSave"}) {
    EXPECT_TRUE(Find<QCheckBox>(setup.get(), box)->isChecked()) << box;
  }
  EXPECT_EQ(Find<QLineEdit>(setup.get(), "txtMessage")->text(), "1");
  EXPECT_EQ(Find<QLineEdit>(setup.get(), "txtFontSize")->text(), "1");
  EXPECT_EQ(Find<QLineEdit>(setup.get(), "txtLogo")->text(), "1");
  EXPECT_EQ(Find<QLineEdit>(setup.get(), "txtBGFile")->text(), "1");
  EXPECT_EQ(Find<QComboBox>(setup.get(), "cboSoundOff")->currentText(), "1");
  EXPECT_EQ(Find<QComboBox>(setup.get(), "cboFontsScreen")->currentText(), "Family 01");
  EXPECT_EQ(Find<QComboBox>(setup.get(), "cboFontSize")->currentText(), "10");
  EXPECT_TRUE(Find<QRadioButton>(setup.get(), "optBakGrnd0")->isChecked());
  EXPECT_FALSE(Find<QPushButton>(setup.get(), "cmdSelectBG")->isEnabled());
  EXPECT_EQ(Find<QLabel>(setup.get(), "lblSample")->font().family(), "Family 01");

  // Every handler ran once, in the opening order; the stop-sound list and the
  // two file-name displays store nothing.
  std::vector<std::string> order;
  for (const RecordedWrite& w : harness.settings.writes) order.push_back(w.key + "=" + w.value);
  EXPECT_EQ(order, (std::vector<std::string>{
                       "SelectedFont=1", "FontName=Family 01", "PlaneBG=1", "BackGround=1",
                       "Prop=1", "Message=1", "Speed=2", "MessageChecked=1", "LogoChecked=1",
                       "SelectedFont=1", "FontName=Family 01", "BGFreq=36", "SecDelay=30",
                       "SelectedFontSize=1", "FontSize=10", "FontSize=10", "TunePC=1",
                       "MouseSens=2", "Clock=1", "FontClock=1", "Volume=0", "PwrSave=1"}));
  EXPECT_EQ(harness.settings.writes[0].section, "Startup");
  EXPECT_EQ(harness.settings.writes.back().section, "System");
  EXPECT_TRUE(harness.sink.messages.empty());
}

TEST(SetupOpening, WrittenDefaultsComeBackUnchangedButForTheChosenFontAndCanonicalNumbers) {
  DialogHarness harness;
  ASSERT_TRUE(WriteDefaults(harness.settings, "/opt/aerolark/share/aerolark/").ok);
  harness.settings.Put(Key::Speed, "05");
  harness.settings.Put(Key::BGFreq, " 120 ");
  auto before = harness.settings.Snapshot();
  harness.settings.writes.clear();

  auto setup = harness.Open();

  auto after = harness.settings.Snapshot();
  ASSERT_EQ(after.size(), before.size());  // nothing new: "Background" is the same key
  std::map<std::string, std::pair<std::string, std::string>> changed;
  for (const auto& [slot, value] : before) {
    if (after[slot] != value) changed[slot] = {value, after[slot]};
  }
  using Change = std::pair<std::string, std::string>;
  EXPECT_EQ(changed, (std::map<std::string, Change>{{"startup/bgfreq", {" 120 ", "120"}},
                                                    {"startup/fontname", {"Arial", "Family 04"}},
                                                    {"startup/speed", {"05", "5"}}}));
  EXPECT_EQ(Find<QLineEdit>(setup.get(), "txtBGPlanes")->text(), "120");
  EXPECT_EQ(Find<QScrollBar>(setup.get(), "hsbVolume")->value(), -784);
  EXPECT_EQ(Find<QComboBox>(setup.get(), "cboSoundOff")->currentText(), "Never");
  EXPECT_EQ(Find<QComboBox>(setup.get(), "cboFontsScreen")->currentIndex(), 4);
  EXPECT_EQ(Find<QComboBox>(setup.get(), "cboFontSize")->currentText(), "30");
  EXPECT_TRUE(Find<QRadioButton>(setup.get(), "optBakGrnd2")->isChecked());
  EXPECT_TRUE(Find<QPushButton>(setup.get(), "cmdSelectBG")->isEnabled());
  EXPECT_EQ(Find<QLineEdit>(setup.get(), "txtBGFile")->text(),
            "/opt/aerolark/share/aerolark/Sunset Red.BMP");
  EXPECT_FALSE(Find<QCheckBox>(setup.get(), "chkLogo")->isChecked());
  EXPECT_EQ(harness.settings.WritesOf(Key::SoundOff), std::vector<std::string>{});
}

TEST(SetupOpening, HandEditedValuesAreClampedOrFallBackToTheFirstPosition) {
  DialogHarness harness;
  harness.settings.Put(Key::Speed, "fast");        // no number: first position
  harness.settings.Put(Key::BGFreq, "999");        // above the range
  harness.settings.Put(Key::Volume, "-99999");     // below the range
  harness.settings.Put(Key::TunePC, "");
  harness.settings.Put(Key::Clock, "7");           // any larger number ticks
  harness.settings.Put(Key::Prop, "-1");
  harness.settings.Put(Key::SelectedFont, "77");   // no position of the list
  harness.settings.Put(Key::SelectedFontSize, "-3");
  harness.settings.Put(Key::BackGround, "9");
  harness.settings.Put(Key::SoundOff, "7");        // no list item: shown, left alone

  auto setup = harness.Open();

  EXPECT_EQ(harness.settings.Stored(Key::Speed), "2");
  EXPECT_EQ(harness.settings.Stored(Key::BGFreq), "300");
  EXPECT_EQ(harness.settings.Stored(Key::Volume), "-2500");
  EXPECT_EQ(harness.settings.Stored(Key::TunePC), "0");
  EXPECT_EQ(harness.settings.Stored(Key::Clock), "1");
  EXPECT_EQ(harness.settings.Stored(Key::Prop), "0");
  EXPECT_EQ(harness.settings.Stored(Key::SelectedFont), "0");
  EXPECT_EQ(harness.settings.Stored(Key::FontName), "Family 00");
  EXPECT_EQ(harness.settings.Stored(Key::SelectedFontSize), "0");
  EXPECT_EQ(harness.settings.Stored(Key::FontSize), "8");
  EXPECT_EQ(harness.settings.Stored(Key::BackGround), "1");
  EXPECT_FALSE(Find<QPushButton>(setup.get(), "cmdSelectBG")->isEnabled());
  EXPECT_EQ(harness.settings.Stored(Key::SoundOff), "7");
  EXPECT_EQ(Find<QComboBox>(setup.get(), "cboSoundOff")->currentText(), "7");
}

TEST(SetupOpening, TheStoredIndexDecidesFontAndSize) {
  DialogHarness harness;
  harness.settings.Put(Key::SelectedFont, "4");
  harness.settings.Put(Key::FontName, "Family 09");   // rewritten to the entry at 4
  harness.settings.Put(Key::SelectedFontSize, "2");
  harness.settings.Put(Key::FontSize, "25");          // typed last time: replaced
  auto setup = harness.Open();

  EXPECT_EQ(harness.settings.Stored(Key::FontName), "Family 04");
  EXPECT_EQ(Find<QLabel>(setup.get(), "lblSample")->font().family(), "Family 04");
  EXPECT_DOUBLE_EQ(Find<QLabel>(setup.get(), "lblSample")->font().pointSizeF(), 13.5);
  EXPECT_EQ(harness.settings.Stored(Key::FontSize), "20");
  EXPECT_EQ(Find<QComboBox>(setup.get(), "cboFontSize")->currentText(), "20");
}

TEST(SetupOpening, FontListHoldsTheFirstFortyFamiliesSorted) {
  QStringList families = TestFamilies(60);
  // The first 40 as handed over, whatever their order: "zeta Mono" and
  // "Family 39" to "Family 01"; "Family 00" is 41st and left out.
  families.swapItemsAt(0, 39);
  families.insert(0, QStringLiteral("zeta Mono"));
  DialogHarness harness(families);
  auto setup = harness.Open();
  auto* fonts = Find<QComboBox>(setup.get(), "cboFontsScreen");
  ASSERT_EQ(fonts->count(), 40);
  EXPECT_EQ(fonts->itemText(0), "Family 01");
  EXPECT_EQ(fonts->itemText(38), "Family 39");
  EXPECT_EQ(fonts->itemText(39), "zeta Mono");

  DialogHarness few(TestFamilies(3));
  few.settings.Put(Key::SelectedFont, "4");
  auto small = few.Open();
  EXPECT_EQ(Find<QComboBox>(small.get(), "cboFontsScreen")->count(), 3);
  EXPECT_EQ(few.settings.Stored(Key::FontName), "Family 00");

  DialogHarness none(QStringList{});
  auto empty = none.Open();  // no fonts at all: nothing to select, nothing stops
  EXPECT_FALSE(none.settings.Stored(Key::FontName).has_value());
}

TEST(SetupOpening, WindowCaptionSizePagesAndInstallFolder) {
  DialogHarness harness;
  auto setup = harness.Open();
  EXPECT_EQ(setup->windowTitle(), "Aerolark  http://www.aerolark.example");
  EXPECT_EQ(setup->size(), QSize(550, 369));
  auto* tabs = Find<QTabWidget>(setup.get(), "SSTab1");
  QStringList pages;
  for (int i = 0; i < tabs->count(); ++i) pages << tabs->tabText(i);
  EXPECT_EQ(pages, (QStringList{"Aircraft", "BackGround", "Logo/Message", "Help",
                                "Tune the Screensaver"}));
  EXPECT_EQ(tabs->currentIndex(), 0);
  EXPECT_EQ(Find<QLabel>(setup.get(), "lblFolder")->text(), " /opt/aerolark/share/aerolark");
  auto* volume = Find<QScrollBar>(setup.get(), "hsbVolume");
  EXPECT_EQ(volume->singleStep(), 1);
  EXPECT_EQ(volume->pageStep(), 1);
}

}  // namespace
}  // namespace aerolark::testing
