#include "setup/aircraft_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QScrollBar>
#include <QVBoxLayout>

#include "setup/dialog_store.h"
#include "setup/page_layout.h"

namespace aerolark {
namespace {

const char* const kSoundOffItems[] = {"Never", "1",  "2",   "3",   "4",   "5",   "10",
                                      "15",    "20", "30",  "45",  "60",  "90",  "120",
                                      "180",   "240", "300", "360", "420", "480"};

using Storing = SliderBinding::Storing;

}  // namespace

AircraftPage::AircraftPage(DialogStore& store, QWidget* parent)
    : QWidget(parent), store_(store) {
  auto* left = new QVBoxLayout;
  left->setSpacing(4);
  left->addWidget(MakeMouseGroup());
  left->addWidget(MakeClockGroup());
  auto* powerSaveBox = new QCheckBox(QStringLiteral("Disable any Power Saving settings"), this);
  powerSaveBox->setObjectName("chkPowerSave");
  powerSaveBox->setToolTip(QStringLiteral(
      "If you have your Monitor set to turn off enabling this will keep that setting, "
      "otherwise the screensaver will ignore those settings"));
  powerSave = std::make_unique<CheckBinding>(powerSaveBox, Key::PwrSave, store_);
  left->addWidget(powerSaveBox);
  left->addWidget(MakeSpeedGroup());
  left->addStretch();

  auto* right = new QVBoxLayout;
  right->setSpacing(4);
  right->addWidget(MakePlanesGroup());
  right->addWidget(MakeSoundsGroup());
  right->addStretch();

  auto* columns = new QHBoxLayout(this);
  columns->setContentsMargins(6, 6, 6, 6);
  columns->setSpacing(6);
  columns->addLayout(left, 1);
  columns->addLayout(right, 1);
}

AircraftPage::~AircraftPage() = default;

QWidget* AircraftPage::MakeMouseGroup() {
  QGroupBox* group = MakeGroup(QStringLiteral("Mouse Sensitivity"), this);
  QScrollBar* slider = MakeSlider("hsbMouseS", 2, 20, group);
  QLineEdit* box = MakeValueBox("txtMouseS", group);
  auto* grid = new QGridLayout(group);
  Tighten(grid);
  grid->addWidget(slider, 0, 0, 1, 2);
  grid->addWidget(box, 0, 2);
  grid->addWidget(MakeLabel(QStringLiteral("Light Touch"), group), 1, 0, Qt::AlignLeft);
  grid->addWidget(MakeLabel(QStringLiteral("HeavyTouch"), group), 1, 1, Qt::AlignRight);
  mouseSensitivity =
      std::make_unique<SliderBinding>(slider, box, Key::MouseSens, store_, Storing::Continuously);
  return group;
}

QWidget* AircraftPage::MakeClockGroup() {
  QGroupBox* group = MakeGroup(QStringLiteral("Clock"), this);
  auto* show = new QCheckBox(QStringLiteral("Show Clock"), group);
  show->setObjectName("chkClock");
  auto* size = new QLineEdit(group);
  size->setObjectName("txtFontSize");
  size->setFixedWidth(50);
  auto* grid = new QGridLayout(group);
  Tighten(grid);
  grid->addWidget(show, 0, 0, 2, 1);
  grid->addWidget(MakeLabel(QStringLiteral("Font Size:"), group), 0, 1);
  grid->addWidget(size, 1, 1);
  clock = std::make_unique<CheckBinding>(show, Key::Clock, store_);
  clockFontSize = std::make_unique<TextBinding>(size, Key::FontClock, store_);
  return group;
}

QWidget* AircraftPage::MakePlanesGroup() {
  QGroupBox* group = MakeGroup(QStringLiteral("Background Planes"), this);
  auto* visible = new QCheckBox(QStringLiteral("Visible"), group);
  visible->setObjectName("chkBG");
  QScrollBar* slider = MakeSlider("HSBSec", 36, 300, group);
  QLineEdit* box = MakeValueBox("txtBGPlanes", group);
  auto* grid = new QGridLayout(group);
  Tighten(grid);
  grid->addWidget(visible, 0, 0, 1, 4);
  grid->addWidget(MakeLabel(QStringLiteral("Show every"), group), 1, 0);
  grid->addWidget(slider, 1, 1);
  grid->addWidget(box, 1, 2);
  grid->addWidget(MakeLabel(QStringLiteral("seconds"), group), 1, 3);
  grid->setColumnStretch(1, 1);
  planeVisible = std::make_unique<CheckBinding>(visible, Key::PlaneBG, store_);
  planeInterval =
      std::make_unique<SliderBinding>(slider, box, Key::BGFreq, store_, Storing::Continuously);
  return group;
}

QWidget* AircraftPage::MakeSoundsGroup() {
  QGroupBox* group = MakeGroup(QStringLiteral("Sounds"), this);
  auto* propBox = new QCheckBox(QStringLiteral("Turn on Prop sound\nand show aircraft"), group);
  propBox->setObjectName("chkProp");
  QScrollBar* interval = MakeSlider("hsbFastJet", 30, 300, group);
  QLineEdit* intervalBox = MakeValueBox("txtFastJet", group);

  soundOff_ = new QComboBox(group);
  soundOff_->setObjectName("cboSoundOff");
  soundOff_->setEditable(true);
  soundOff_->setInsertPolicy(QComboBox::NoInsert);
  soundOff_->setCompleter(nullptr);  // completion would rewrite what the user types
  for (const char* item : kSoundOffItems) soundOff_->addItem(QString::fromLatin1(item));
  soundOff_->setEditText(QStringLiteral("Never"));
  soundOff_->setFixedWidth(70);
  QObject::connect(soundOff_, &QComboBox::activated, soundOff_,
                   [this](int index) { OnSoundOffChosen(index); });

  QScrollBar* volumeSlider = MakeSlider("hsbVolume", -2500, 0, group);

  auto* grid = new QGridLayout(group);
  Tighten(grid);
  grid->addWidget(propBox, 0, 0, 1, 2);
  // "Show every" beside the two-line check box; the slider, its value box
  // and "secs" on the full width below it, so the slider keeps a usable length.
  grid->addWidget(MakeLabel(QStringLiteral("Show every"), group), 0, 2, Qt::AlignLeft);
  auto* intervalRow = new QHBoxLayout;
  intervalRow->setSpacing(4);
  intervalRow->addWidget(interval, 1);
  intervalRow->addWidget(intervalBox);
  intervalRow->addWidget(MakeLabel(QStringLiteral("secs"), group));
  grid->addLayout(intervalRow, 1, 0, 1, 3);
  auto* stopRow = new QHBoxLayout;
  stopRow->setSpacing(4);
  stopRow->addWidget(MakeLabel(QStringLiteral("Stop sound after:"), group));
  stopRow->addWidget(soundOff_);
  stopRow->addWidget(MakeLabel(QStringLiteral("min."), group));
  stopRow->addStretch();
  grid->addLayout(stopRow, 2, 0, 1, 3);
  grid->addWidget(volumeSlider, 3, 0, 1, 3);
  grid->addWidget(MakeLabel(QStringLiteral("Low ----------VOLUME ------------High"), group), 4,
                  0, 1, 3, Qt::AlignHCenter);
  grid->setColumnStretch(2, 1);

  prop = std::make_unique<CheckBinding>(propBox, Key::Prop, store_);
  aircraftInterval = std::make_unique<SliderBinding>(interval, intervalBox, Key::SecDelay,
                                                     store_, Storing::Continuously);
  volume = std::make_unique<SliderBinding>(volumeSlider, nullptr, Key::Volume, store_,
                                           Storing::WhenSettled);
  return group;
}

QWidget* AircraftPage::MakeSpeedGroup() {
  QGroupBox* group = MakeGroup(QStringLiteral("Aircraft Speed"), this);
  QScrollBar* slider = MakeSlider("hsbSpeed", 2, 10, group);
  QLineEdit* box = MakeValueBox("txtSpeed", group);
  auto* grid = new QGridLayout(group);
  Tighten(grid);
  grid->addWidget(MakeLabel(QStringLiteral("Speed:"), group), 0, 1);
  grid->addWidget(slider, 1, 0);
  grid->addWidget(box, 1, 1);
  grid->addWidget(
      MakeLabel(QStringLiteral("Slow ------------------------------------ Fast"), group),
      2, 0, Qt::AlignHCenter);
  grid->setColumnStretch(0, 1);
  speed = std::make_unique<SliderBinding>(slider, box, Key::Speed, store_, Storing::Continuously);
  return group;
}

void AircraftPage::LoadSoundOff() { soundOff_->setEditText(store_.ReadText(Key::SoundOff)); }

void AircraftPage::OnSoundOffChosen(int index) {
  store_.Write(Key::SoundOff, soundOff_->itemText(index));
}

}  // namespace aerolark
