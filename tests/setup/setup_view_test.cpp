// The Qt view on the offscreen platform: the real widgets show what the
// logic sets, a user's change in them reaches the store through the logic,
// and every control shows all of itself at the desktop's font.

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>

#include "settings/linux/ini_settings_store.h"
#include "setup/qt/image_file_chooser.h"
#include "setup/qt/setup_dialog.h"
#include "setup_test_support.h"

// Readable QStrings in test failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace aerolark::testing {
namespace {

// Whether a control shows all of itself at its size: a label, a button or
// the page tabs at least as large as they ask to be (a wrapped label as high
// as its lines), a box or a list wide enough for the text it shows.
bool ShowsAll(QWidget* w) {
  const QSize size = w->size();
  auto textFits = [w](const QRect& area, const QString& text) {
    return w->fontMetrics().horizontalAdvance(text) + 4 <= area.width() &&
           w->height() >= w->minimumSizeHint().height();
  };
  if (auto* label = qobject_cast<QLabel*>(w); label && label->wordWrap()) {
    return size.height() >= label->heightForWidth(size.width());
  }
  if (auto* box = qobject_cast<QLineEdit*>(w)) {
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
    return textFits(box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box), box->text());
  }
  if (auto* list = qobject_cast<QComboBox*>(w)) {
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = list->isEditable();
    return textFits(list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                  QStyle::SC_ComboBoxEditField, list),
                    list->currentText());
  }
  const QSize needed = qobject_cast<QTabBar*>(w) ? w->sizeHint() : w->minimumSizeHint();
  return size.width() >= needed.width() && size.height() >= needed.height();
}

// A QApplication on the offscreen platform, made once.
void EnsureApplication() {
  if (QApplication::instance()) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "setup_view_test";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}

void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, 8)); }

// The focus widget's name: "tabs" for the page tabs, else the control's.
std::string FocusName() {
  QWidget* focus = QApplication::focusWidget();
  if (!focus) return "(none)";
  return qobject_cast<QTabBar*>(focus) ? "tabs" : focus->objectName().toStdString();
}

// The visible controls of `window` that are cut off, lie outside what holds
// them, or overlap another, described for a failure message.
std::vector<std::string> Clipped(QWidget* window) {
  std::vector<std::string> faults;
  std::vector<std::pair<QRect, std::string>> placed;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    const bool control = qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
                         qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                         qobject_cast<QAbstractSlider*>(w) || qobject_cast<QTabBar*>(w);
    QWidget* holder = w->parentWidget();
    if (!control || !w->isVisible() || qobject_cast<QComboBox*>(holder) || qobject_cast<QTabBar*>(holder)) continue;
    const QRect at(w->mapTo(window, QPoint(0, 0)), w->size());
    std::string name = w->objectName().toStdString();
    if (auto* label = qobject_cast<QLabel*>(w)) name += '"' + label->text().left(20).toStdString() + '"';
    if (auto* button = qobject_cast<QAbstractButton*>(w)) name += '"' + button->text().toStdString() + '"';
    // A control whose size the layout ignores shows its text whole otherwise (a tip).
    const bool mayBeCut = w->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored;
    if (!mayBeCut && !ShowsAll(w)) faults.push_back(name + " is cut off");
    for (QWidget* a = holder; a && a != window; a = a->parentWidget()) {
      if (!QRect(a->mapTo(window, QPoint(0, 0)), a->size()).contains(at)) faults.push_back(name + " sticks out");
    }
    for (const auto& [other, otherName] : placed) {
      if (other.intersects(at)) faults.push_back(name + " overlaps " + otherName);
    }
    placed.emplace_back(at, name);
  }
  return faults;
}

using Values = std::vector<std::string>;

template <typename T = QWidget>
T* Find(QObject* parent, const char* name) {
  T* child = parent->findChild<T*>(QString::fromLatin1(name));
  if (!child) throw std::runtime_error(std::string("no control ") + name);
  return child;
}

class SetupView : public ::testing::Test {
 protected:
  SetupView() { settings.Put(Key::SetReg, "2"); }  // filled once, then emptied by hand

  void Open() { Open(settings); }
  // Opens the dialog on `store` with recording services, shown and active.
  void Open(Settings& store);
  // A key as the user presses it: to the window, which hands it to the focus.
  void Press(Qt::Key key) { QTest::keyClick(setup->windowHandle(), key); }
  template <typename T = QWidget>
  T* Get(const char* name) { return Find<T>(setup.get(), name); }

  RecordingSettings settings;
  std::vector<Message> messages;
  std::vector<bool> overShownDialog;  // for each message: its owner was on screen
  Values openedPages;
  std::function<void(QDialog&)> runModal;
  std::unique_ptr<aerolark::Setup> setup;
};

void SetupView::Open(Settings& store) {
  EnsureApplication();
  SetupServices services;
  services.showMessage = [this](QWidget* owner, const Message& m) {
    messages.push_back(m);
    overShownDialog.push_back(owner && owner->isVisible());
  };
  services.fontFamilies = [] { return TestFamilies(); };
  services.fileSystems = [] { return std::vector<FileSystem>{{"/", ""}}; };
  services.openUrl = [this](const std::string& address) { openedPages.push_back(address); };
  services.runModal = [this](QDialog& dialog) { runModal(dialog); };
  setup = std::make_unique<aerolark::Setup>(store, "/opt/aerolark/share/aerolark/", services);
  setup->show();
  setup->activateWindow();
  if (!QTest::qWaitForWindowActive(setup.get())) throw std::runtime_error("dialog not active");
}

// Moves the thumb as a mouse drag does: held down, moved step by step, let go.
void Drag(QScrollBar* slider, int to) {
  slider->setSliderDown(true);
  for (int v = slider->value(); v != to;) slider->setSliderPosition(v += (to > v) ? 1 : -1);
  slider->setSliderDown(false);
}

TEST_F(SetupView, OpeningFillsTheRealWidgets) {
  ASSERT_TRUE(WriteDefaults(settings, "/opt/aerolark/share/aerolark/").ok);
  settings.Put(Key::BGFreq, "120");
  settings.writes.clear();
  Open();
  EXPECT_EQ(settings.writes.size(), 22u);  // each handler once: showing a value raises none
  EXPECT_EQ(Get<QScrollBar>("HSBSec")->value(), 120);
  EXPECT_EQ(Get<QLineEdit>("txtBGPlanes")->text(), "120");
  EXPECT_FALSE(Get<QCheckBox>("chkLogo")->isChecked());
  EXPECT_TRUE(Get<QRadioButton>("optBakGrnd2")->isChecked());
  EXPECT_TRUE(Get("cmdSelectBG")->isEnabled());
  EXPECT_EQ(Get<QComboBox>("cboSoundOff")->currentText(), "Never");
  EXPECT_EQ(Get<QComboBox>("cboFontsScreen")->currentIndex(), 4);
  EXPECT_EQ(Get<QLabel>("lblSample")->font().family(), "Family 04");
}

TEST_F(SetupView, EveryBoundControlStoresItsSettingWhenTheUserChangesIt) {
  Open();
  for (int i = 0; i <= static_cast<int>(Control::drvDrive); ++i) {
    const ControlBinding* binding = FindBinding(static_cast<Control>(i));
    if (!binding) continue;
    const std::string name(ControlName(binding->control));
    SCOPED_TRACE(name);
    settings.writes.clear();
    if (binding->kind == ControlBinding::Kind::Slider) {
      // Each key once, from the right end and from the left end (the page
      // keys move by one step too): each new value is stored, a key that
      // moves nothing stores nothing.
      auto* slider = Get<QScrollBar>(name.c_str());
      const int last = slider->maximum(), first = slider->minimum();
      const std::pair<Qt::Key, int> keys[] = {{Qt::Key_End, last},   {Qt::Key_Left, last - 1},
                                              {Qt::Key_PageDown, last - 2}, {Qt::Key_Home, first},
                                              {Qt::Key_Right, first + 1}, {Qt::Key_PageUp, first + 2}};
      Values stored;
      for (int value = slider->value(); auto [key, to] : keys) {
        QTest::keyClick(slider, key);
        if (to != value) stored.push_back(std::to_string(value = to));
      }
      EXPECT_EQ(settings.WritesOf(binding->key), stored);
      EXPECT_EQ(settings.writes.size(), stored.size());
    } else {
      QTest::keyClicks(Get(name.c_str()), " ");  // ticks a check box, types into a text box
      EXPECT_EQ(settings.WritesOf(binding->key).size(), 1u);
    }
  }
  settings.writes.clear();
  auto* speed = Get<QScrollBar>("hsbSpeed");
  Drag(speed, speed->value() + 2);
  auto* volume = Get<QScrollBar>("hsbVolume");
  Drag(volume, -5);
  volume->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(settings.WritesOf(Key::Volume), (Values{"-5", "-4"}));
  EXPECT_EQ(settings.WritesOf(Key::Speed).size(), 2u);

  Click(Get("optBakGrnd2"));
  EXPECT_TRUE(Get("cmdSelectBG")->isEnabled());
  Get("cboFontsScreen")->setFocus();
  QTest::keyClick(Get("cboFontsScreen"), Qt::Key_Down);
  EXPECT_EQ(Get<QLabel>("lblSample")->font().family(), "Family 02");
  auto* sizes = Get<QComboBox>("cboFontSize");
  sizes->setFocus();
  QTest::keyClick(sizes, Qt::Key_Down);
  QTest::keyClicks(sizes->lineEdit(), "5");
  EXPECT_EQ(settings.WritesOf(Key::FontSize), (Values{"20", "205"}));
  auto* soundOff = Get<QComboBox>("cboSoundOff");
  QTest::keyClicks(soundOff->lineEdit(), "7");  // typing stores nothing
  emit soundOff->activated(0);
  EXPECT_EQ(settings.WritesOf(Key::SoundOff), Values{"Never"});
  QTest::keyClicks(Get("txtTunePC"), "9");  // a display: takes no typing
  EXPECT_EQ(Get<QLineEdit>("txtTunePC")->text().toInt(), Get<QScrollBar>("hsbTunePC")->value());
}

TEST_F(SetupView, BottomBarAndSelectButtons) {
  Open();
  Click(Get("cmdHelp"));
  // The page shipped beside the pictures: the default host is no real one.
  EXPECT_EQ(openedPages, Values{"/opt/aerolark/share/aerolark/support.htm"});
  Click(Get("cmdAbout"));
  EXPECT_EQ(overShownDialog, std::vector<bool>{true});  // "&About"

  const char* button = "cmdOK";
  runModal = [&button](QDialog& chooser) {
    Find<QLineEdit>(&chooser, "txtFileName")->setText("/pictures/dusk.bmp");
    Click(Find(&chooser, button));
  };
  Click(Get("cmdSelectLogo"));
  EXPECT_EQ(Get<QLineEdit>("txtLogo")->text(), "/pictures/dusk.bmp");
  button = "cmdCancel";
  Click(Get("cmdSelectLogo"));
  EXPECT_EQ(settings.WritesOf(Key::LogoFileName), Values{"/pictures/dusk.bmp"});
  EXPECT_TRUE(setup->findChildren<ImageFileChooser*>().isEmpty());  // discarded after use

  settings.writes.clear();
  Click(Get("cmdOK"));
  EXPECT_FALSE(setup->isVisible());
  EXPECT_TRUE(settings.writes.empty());  // closing stores nothing
}

TEST_F(SetupView, AWriteFailureOnOpeningIsShownOverTheDialog) {
  settings.failWrites = true;
  Open();
  EXPECT_TRUE(QTest::qWaitFor([this] { return !messages.empty(); }));
  EXPECT_EQ(overShownDialog, std::vector<bool>{true});  // once, over the dialog
}

TEST_F(SetupView, TabReachesEachPageControlInReadingOrder) {
  Open();  // from an emptied store: "Solid Black", so "Select Background" is disabled
  const Values bar = {"cmdAbout", "cmdHelp", "cmdOK"};
  auto chain = [&bar](Values controls) {
    controls.insert(controls.begin(), "tabs");
    controls.insert(controls.end(), bar.begin(), bar.end());
    return controls;
  };
  const Values pages[] = {
      // The left column, the right one, then the sounds across the page.
      chain({"hsbMouseS", "chkClock", "txtFontSize", "chkPowerSave", "chkBG", "HSBSec", "hsbSpeed",
             "chkProp", "hsbFastJet", "cboSoundOff", "hsbVolume"}),
      chain({"optBakGrnd0", "txtBGFile"}),
      chain({"chkLogo", "cmdSelectLogo", "txtLogo", "chkMessage", "txtMessage", "cboFontsScreen",
             "cboFontSize"}),
      chain({}),
      chain({"hsbTunePC"})};
  for (int tries = 0; FocusName() != "tabs" && tries < 40; ++tries) Press(Qt::Key_Tab);
  for (const Values& expected : pages) {
    Values reached;
    do {
      reached.push_back(FocusName());
      Press(Qt::Key_Tab);
    } while (FocusName() != "tabs" && reached.size() < 40);
    EXPECT_EQ(reached, expected);
    Press(Qt::Key_Right);  // the next page
  }
}

TEST_F(SetupView, TextTypedIntoAListChoosesNoEntryWhenTheListIsLeft) {
  Open();  // from an empty store: the stop-sound list shows "1", one of its entries
  struct Case { const char* list; const char* typed; Key chosen; };
  const Case cases[] = {{"cboSoundOff", "", Key::SoundOff},
                        {"cboSoundOff", "45", Key::SoundOff},
                        {"cboFontSize", "50", Key::SelectedFontSize}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.list) + " " + c.typed);
    settings.writes.clear();
    Get(c.list)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), c.typed);
    Press(Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), Get(c.list));
    EXPECT_EQ(settings.WritesOf(c.chosen), Values{});
  }
}

TEST_F(SetupView, OpeningAndClosingLeavesAHandEditedFileAsItWas) {
  TempFolder folder;
  IniSettingsStore store(folder.File("aerolark.ini"));
  ASSERT_TRUE(WriteDefaults(store, "/opt/aerolark/share/aerolark/").ok);
  // Stored as the dialog would store them, but for hand-edited text: Latin-1
  // bytes, and a clock size longer than a text box holds by default.
  store.WriteSetting("Startup", "FontName", "Family 04");
  store.WriteSetting("Startup", "Message", "Caf\xE9 \xAB" "au lait\xBB");
  store.WriteSetting("Startup", "FontClock", std::string(40000, '7'));
  store.WriteSetting("Startup", "BMPFileName", "/home/Ren\xE9/sky.bmp");
  const std::string before = ReadText(store.path());
  Open(store);
  Click(Get("cmdOK"));
  EXPECT_EQ(ReadText(store.path()), before);
}

// The chooser's widgets reach its logic (what it lists and stores: image_file_chooser_test).
TEST(ImageFileChooserView, ListsFoldersAndFilesAndStoresWhatIsClicked) {
  EnsureApplication();
  PictureFolders folders;
  RecordingSettings settings;
  RecordingChooserView messages;
  DialogStore store(settings, messages);
  ImageFileChooser chooser(LogoChooser(), store, {{"/", ""}, {folders.root + "/card", ""}},
                           [](QWidget*, const Message&) {});
  chooser.show();
  auto* tree = Find<QTreeWidget>(&chooser, "dirDirectory");
  ASSERT_EQ(tree->currentItem()->childCount(), 1);
  auto* files = Find<QListWidget>(&chooser, "filFiles");
  emit Find<QComboBox>(&chooser, "cboFileType")->activated(1);
  ASSERT_EQ(files->count(), 1);  // clouds.gif

  QPoint at = files->visualItemRect(files->item(0)).center();
  QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, at);
  EXPECT_EQ(Find<QLineEdit>(&chooser, "txtFileName")->text(), "clouds.gif");
  QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, at);
  EXPECT_EQ(settings.WritesOf(Key::LogoFileName), Values{folders.root + "/pictures/clouds.gif"});
  EXPECT_FALSE(chooser.isVisible());

  emit tree->itemActivated(tree->currentItem()->child(0), 0);
  EXPECT_EQ(Find<QLabel>(&chooser, "lblDirName")->text().toStdString(), folders.root + "/pictures/holiday");
  emit Find<QComboBox>(&chooser, "drvDrive")->activated(1);
  EXPECT_EQ(Find<QLabel>(&chooser, "lblDirName")->text().toStdString(), folders.root + "/card");
}

// Laid out for the desktop's font: every control shown whole.
TEST_F(SetupView, EveryPageAndTheChooserShowAllOfEachControlAtLargerFonts) {
  // The widest values each box and list can show.
  for (auto [key, value] : {std::pair{Key::BGFreq, "300"}, {Key::SecDelay, "300"}, {Key::MouseSens, "20"},
                            {Key::TunePC, "20"}, {Key::FontClock, "100"}, {Key::SelectedFontSize, "10"},
                            {Key::SoundOff, "Never"}}) {
    settings.Put(key, value);
  }
  EnsureApplication();
  const QFont desktop = QApplication::font();
  for (int points : {9, 11, 14}) {
    QFont font = desktop;
    font.setPointSize(points);
    QApplication::setFont(font);
    Open();
    auto* tabs = Get<QTabWidget>("SSTab1");
    for (int page = 0; page < tabs->count(); ++page) {
      tabs->setCurrentIndex(page);
      for (const std::string& fault : Clipped(setup.get())) {
        ADD_FAILURE() << points << " points, page " << page << ": " << fault;
      }
    }
    DialogStore store(settings, *setup);
    ImageFileChooser chooser(BackgroundChooser(), store, {{"/", ""}}, [](QWidget*, const Message&) {});
    chooser.show();
    for (const std::string& fault : Clipped(&chooser)) ADD_FAILURE() << points << " points, chooser: " << fault;
  }
  QApplication::setFont(desktop);
}

}  // namespace
}  // namespace aerolark::testing
