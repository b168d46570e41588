// Each control's handler: the key, section and value it stores, and when.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "setup/image_file_chooser.h"
#include "setup_test_support.h"

namespace aerolark::testing {
namespace {

using Values = std::vector<std::string>;

// Moves the thumb as a mouse drag does: held down, moved step by step, let go.
void Drag(QScrollBar* slider, int from, int to) {
  slider->setSliderDown(true);
  for (int v = from; v != to;) {
    v += (to > from) ? 1 : -1;
    slider->setSliderPosition(v);
  }
  slider->setSliderDown(false);
}

class SetupHandlers : public ::testing::Test {
 protected:
  void SetUp() override {
    setup = harness.Open();
    harness.settings.writes.clear();
  }
  template <typename T>
  T* Control(const char* name) { return Find<T>(setup.get(), name); }

  DialogHarness harness;
  std::unique_ptr<aerolark::Setup> setup;
};

TEST_F(SetupHandlers, CheckBoxesStoreZeroOrOneInTheirSection) {
  struct Case { const char* box; const char* section; const char* key; };
  const Case cases[] = {{"chkBG", "Startup", "PlaneBG"},       {"chkClock", "Startup", "Clock"},
                        {"chkLogo", "Startup", "LogoChecked"}, {"chkMessage", "Startup", "MessageChecked"},
                        {"chkPowerSave", "System", "PwrSave"}, {"chkProp", "Startup", "Prop"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.box);
    harness.settings.writes.clear();
    auto* box = Control<QCheckBox>(c.box);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_EQ(harness.settings.writes,
              (std::vector<RecordedWrite>{{c.section, c.key, "0"}, {c.section, c.key, "1"}}));
  }
}

TEST_F(SetupHandlers, ValueSlidersStoreEveryStepOfADragAndShowIt) {
  auto* speed = Control<QScrollBar>("hsbSpeed");
  Drag(speed, 2, 10);
  EXPECT_EQ(harness.settings.WritesOf(Key::Speed), (Values{"3", "4", "5", "6", "7", "8", "9", "10"}));
  EXPECT_EQ(Control<QLineEdit>("txtSpeed")->text(), "10");

  struct Case { const char* slider; const char* box; Key key; };
  const Case cases[] = {{"HSBSec", "txtBGPlanes", Key::BGFreq},
                        {"hsbFastJet", "txtFastJet", Key::SecDelay},
                        {"hsbMouseS", "txtMouseS", Key::MouseSens},
                        {"hsbTunePC", "txtTunePC", Key::TunePC}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.slider);
    auto* slider = Control<QScrollBar>(c.slider);
    const int start = slider->value();
    slider->triggerAction(QAbstractSlider::SliderSingleStepAdd);  // arrow
    slider->triggerAction(QAbstractSlider::SliderPageStepAdd);    // track: also one step
    QTest::keyClick(slider, Qt::Key_Left);                        // keyboard
    EXPECT_EQ(harness.settings.WritesOf(c.key),
              (Values{std::to_string(start + 1), std::to_string(start + 2),
                      std::to_string(start + 1)}));
    EXPECT_EQ(Control<QLineEdit>(c.box)->text().toInt(), start + 1);
  }
}

TEST_F(SetupHandlers, VolumeIsStoredWhenTheThumbIsLetGoAndOnSettledSteps) {
  auto* volume = Control<QScrollBar>("hsbVolume");
  volume->setValue(-2500);
  harness.settings.writes.clear();
  Drag(volume, -2500, 0);
  EXPECT_EQ(harness.settings.WritesOf(Key::Volume), (Values{"0"}));

  harness.settings.writes.clear();
  volume->triggerAction(QAbstractSlider::SliderSingleStepSub);
  volume->triggerAction(QAbstractSlider::SliderPageStepSub);
  QTest::keyClick(volume, Qt::Key_Right);
  EXPECT_EQ(harness.settings.WritesOf(Key::Volume), (Values{"-1", "-2", "-1"}));
}

TEST_F(SetupHandlers, BackgroundChoiceStoresItsNumberAndEnablesTheCustomButton) {
  auto* select = Control<QPushButton>("cmdSelectBG");
  QTest::mouseClick(Control<QRadioButton>("optBakGrnd2"), Qt::LeftButton, {}, QPoint(8, 8));
  EXPECT_EQ(harness.settings.WritesOf(Key::BackGround), (Values{"3"}));
  EXPECT_TRUE(select->isEnabled());
  QTest::mouseClick(Control<QRadioButton>("optBakGrnd1"), Qt::LeftButton, {}, QPoint(8, 8));
  EXPECT_EQ(harness.settings.WritesOf(Key::BackGround), (Values{"3", "2"}));
  EXPECT_FALSE(select->isEnabled());
}

TEST_F(SetupHandlers, FontChoiceStoresIndexThenNameAndRedrawsTheSample) {
  auto* fonts = Control<QComboBox>("cboFontsScreen");
  fonts->setFocus();
  QTest::keyClick(fonts, Qt::Key_Down);  // from entry 1 to entry 2
  EXPECT_EQ(harness.settings.writes,
            (std::vector<RecordedWrite>{{"Startup", "SelectedFont", "2"},
                                        {"Startup", "FontName", "Family 02"}}));
  EXPECT_EQ(Find<QLabel>(setup.get(), "lblSample")->font().family(), "Family 02");
}

TEST_F(SetupHandlers, FontSizeSelectionThenTypingOverIt) {
  auto* sizes = Control<QComboBox>("cboFontSize");
  sizes->setFocus();
  QTest::keyClick(sizes, Qt::Key_Down);  // from "10" to the third entry, "20"
  EXPECT_EQ(harness.settings.writes,
            (std::vector<RecordedWrite>{{"Startup", "SelectedFontSize", "2"},
                                        {"Startup", "FontSize", "20"}}));
  sizes->lineEdit()->selectAll();
  QTest::keyClicks(sizes->lineEdit(), "25");
  EXPECT_EQ(harness.settings.WritesOf(Key::FontSize), (Values{"20", "2", "25"}));
  EXPECT_EQ(harness.settings.WritesOf(Key::SelectedFontSize), (Values{"2"}));
}

TEST_F(SetupHandlers, StopSoundStoresAChosenEntryButNotTypedText) {
  auto* soundOff = Control<QComboBox>("cboSoundOff");
  QTest::keyClicks(soundOff->lineEdit(), "7");
  EXPECT_TRUE(harness.settings.writes.empty());
  soundOff->setCurrentIndex(0);  // the list already points at "Never": choosing it still counts
  emit soundOff->activated(0);
  EXPECT_EQ(harness.settings.writes, (std::vector<RecordedWrite>{{"System", "SoundOff", "Never"}}));
}

TEST_F(SetupHandlers, TextBoxesStoreEveryEditIncludingEmpty) {
  auto* message = Control<QLineEdit>("txtMessage");
  message->selectAll();
  QTest::keyClick(message, Qt::Key_Backspace);
  QTest::keyClicks(message, "Hi");
  EXPECT_EQ(harness.settings.WritesOf(Key::Message), (Values{"", "H", "Hi"}));
  QTest::keyClicks(Control<QLineEdit>("txtFontSize"), "2");
  EXPECT_EQ(harness.settings.WritesOf(Key::FontClock), (Values{"12"}));
  // Value boxes are displays: they take no typing and store nothing.
  QTest::keyClicks(Control<QLineEdit>("txtSpeed"), "9");
  EXPECT_EQ(harness.settings.WritesOf(Key::Speed), Values{});
}

TEST_F(SetupHandlers, BottomBarOpensHelpShowsAboutAndCloses) {
  QTest::mouseClick(Control<QPushButton>("cmdHelp"), Qt::LeftButton);
  EXPECT_EQ(harness.openedUrls, std::vector<QString>{"http://www.aerolark.example/support.htm"});
  QTest::mouseClick(Control<QPushButton>("cmdAbout"), Qt::LeftButton);
  ASSERT_EQ(harness.sink.messages.size(), 1u);
  const Message& about = harness.sink.messages[0];
  EXPECT_EQ(about.icon, MessageIcon::About);
  EXPECT_TRUE(about.text.contains("Aerolark"));
  EXPECT_TRUE(about.text.contains(AEROLARK_VERSION));
  EXPECT_TRUE(about.text.contains("http://www.aerolark.example"));
  // Alt+O, shared with "&Online HELP", is exercised with real keys in the session test.
  QTest::mouseClick(Control<QPushButton>("cmdOK"), Qt::LeftButton);
  EXPECT_FALSE(setup->isVisible());
  EXPECT_EQ(setup->result(), QDialog::Accepted);
  EXPECT_TRUE(harness.settings.writes.empty());  // closing stores nothing
}

TEST_F(SetupHandlers, SelectButtonsShowWhatTheChooserStored) {
  QTest::mouseClick(Control<QRadioButton>("optBakGrnd2"), Qt::LeftButton, {}, QPoint(8, 8));
  harness.runModal = [](QDialog& dialog) {
    Find<QLineEdit>(&dialog, "txtFileName")->setText("/pictures/dusk.bmp");
    QTest::mouseClick(Find<QPushButton>(&dialog, "cmdOK"), Qt::LeftButton);
  };
  QTest::mouseClick(Control<QPushButton>("cmdSelectBG"), Qt::LeftButton);
  EXPECT_EQ(Control<QLineEdit>("txtBGFile")->text(), "/pictures/dusk.bmp");
  EXPECT_EQ(harness.settings.Stored(Key::BMPFileName), "/pictures/dusk.bmp");

  QString caption;
  harness.runModal = [&caption](QDialog& dialog) {
    caption = dialog.windowTitle();
    Find<QLineEdit>(&dialog, "txtFileName")->setText("/pictures/ignored.bmp");
    QTest::mouseClick(Find<QPushButton>(&dialog, "cmdCancel"), Qt::LeftButton);
  };
  QTest::mouseClick(Control<QPushButton>("cmdSelectLogo"), Qt::LeftButton);
  EXPECT_EQ(caption, "Select Your Logo");
  EXPECT_FALSE(harness.settings.Stored(Key::LogoFileName).has_value());
  EXPECT_EQ(Control<QLineEdit>("txtLogo")->text(), "1");
  EXPECT_TRUE(setup->findChildren<ImageFileChooser*>().isEmpty());  // discarded after use
}

TEST(SetupWriteFailure, TheUserIsToldOnceAndTheDialogCarriesOn) {
  DialogHarness harness;
  harness.settings.failWrites = true;
  auto setup = harness.Open();
  auto* speed = Find<QScrollBar>(setup.get(), "hsbSpeed");
  Drag(speed, 2, 6);
  ASSERT_EQ(harness.sink.messages.size(), 1u);
  EXPECT_EQ(harness.sink.messages[0].caption, "Aerolark");
  EXPECT_TRUE(harness.sink.messages[0].text.contains("cannot be saved"));
  EXPECT_TRUE(harness.sink.messages[0].text.contains("the folder is read-only"));
  EXPECT_EQ(Find<QLineEdit>(setup.get(), "txtSpeed")->text(), "6");
}

}  // namespace
}  // namespace aerolark::testing
