#include "setup/qt/aircraft_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QVBoxLayout>

#include "setup/page_texts.h"
#include "setup/qt/page_layout.h"
#include "setup/setup_logic.h"

namespace aerolark {

using C = Control;

// Two columns, left then right, and the sounds across the whole page: the
// aircraft's interval shares a row with its check box, which a column is
// too narrow for. Widgets are made in reading order, which is the Tab order.
AircraftPage::AircraftPage(Wiring wiring, QWidget* parent) : QWidget(parent) {
  auto* left = new QVBoxLayout;
  left->setSpacing(4);
  left->addWidget(MakeMouseGroup(wiring));
  left->addWidget(MakeClockGroup(wiring));
  QCheckBox* powerSaveBox = MakeCheckBox(
      C::chkPowerSave, QStringLiteral("Disable any Power Saving settings"), wiring, this);
  powerSaveBox->setToolTip(ToQt(kPowerSaveTip));
  left->addWidget(powerSaveBox);
  left->addStretch();

  auto* right = new QVBoxLayout;
  right->setSpacing(4);
  right->addWidget(MakePlanesGroup(wiring));
  right->addWidget(MakeSpeedGroup(wiring));
  right->addStretch();

  auto* columns = new QHBoxLayout;
  columns->setSpacing(6);
  columns->addLayout(left, 1);
  columns->addLayout(right, 1);
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(6, 6, 6, 6);
  page->setSpacing(4);
  page->addLayout(columns);
  page->addWidget(MakeSoundsGroup(wiring));
  page->addStretch();
}

QWidget* AircraftPage::MakeMouseGroup(Wiring wiring) {
  auto [group, grid] = MakeGridGroup(QStringLiteral("Mouse Sensitivity"), this);
  QScrollBar* slider = MakeSlider(C::hsbMouseS, wiring, group);
  QLineEdit* box = MakeValueBox(C::txtMouseS, wiring, group);
  grid->addWidget(slider, 0, 0, 1, 2);
  grid->addWidget(box, 0, 2);
  grid->addWidget(MakeLabel(QStringLiteral("Light Touch"), group), 1, 0, Qt::AlignLeft);
  grid->addWidget(MakeLabel(QStringLiteral("HeavyTouch"), group), 1, 1, Qt::AlignRight);
  return group;
}

QWidget* AircraftPage::MakeClockGroup(Wiring wiring) {
  auto [group, grid] = MakeGridGroup(QStringLiteral("Clock"), this);
  QCheckBox* show = MakeCheckBox(C::chkClock, QStringLiteral("Show Clock"), wiring, group);
  QLineEdit* size = MakeTextBox(C::txtFontSize, wiring, group);
  FitWidthTo(size, QStringLiteral("000000"));
  grid->addWidget(show, 0, 0, 2, 1);
  grid->addWidget(MakeLabel(QStringLiteral("Font Size:"), group), 0, 1);
  grid->addWidget(size, 1, 1);
  return group;
}

QWidget* AircraftPage::MakePlanesGroup(Wiring wiring) {
  auto [group, grid] = MakeGridGroup(QStringLiteral("Background Planes"), this);
  QCheckBox* visible = MakeCheckBox(C::chkBG, QStringLiteral("Visible"), wiring, group);
  QScrollBar* slider = MakeSlider(C::HSBSec, wiring, group);
  QLineEdit* box = MakeValueBox(C::txtBGPlanes, wiring, group);
  grid->addWidget(visible, 0, 0, 1, 4);
  grid->addWidget(MakeLabel(QStringLiteral("Show every"), group), 1, 0);
  grid->addWidget(slider, 1, 1);
  grid->addWidget(box, 1, 2);
  grid->addWidget(MakeLabel(QStringLiteral("seconds"), group), 1, 3);
  grid->setColumnStretch(1, 1);
  return group;
}

QWidget* AircraftPage::MakeSoundsGroup(Wiring wiring) {
  auto [group, grid] = MakeGridGroup(QStringLiteral("Sounds"), this);
  QCheckBox* propBox =
      MakeCheckBox(C::chkProp, QStringLiteral("Turn on Prop sound\nand show aircraft"), wiring, group);
  QLabel* showEvery = MakeLabel(QStringLiteral("Show every"), group);
  QScrollBar* interval = MakeSlider(C::hsbFastJet, wiring, group);
  QLineEdit* intervalBox = MakeValueBox(C::txtFastJet, wiring, group);
  QLabel* secs = MakeLabel(QStringLiteral("secs"), group);
  QLabel* stopAfter = MakeLabel(QStringLiteral("Stop sound after:"), group);
  SetupLogic& logic = wiring.logic;
  QComboBox* soundOff = MakeEditableList(C::cboSoundOff, wiring, group, [&logic](int index) {
    logic.aircraft.OnSoundOffChosen(index);
  });
  soundOff->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  QScrollBar* volumeSlider = MakeSlider(C::hsbVolume, wiring, group);

  // The check box and its interval on one row; below them the stop-sound
  // list on the left and the volume on the right.
  grid->setHorizontalSpacing(6);
  grid->addWidget(propBox, 0, 0);
  auto* intervalRow = new QHBoxLayout;
  intervalRow->setSpacing(4);
  intervalRow->addWidget(showEvery);
  intervalRow->addWidget(interval, 1);
  intervalRow->addWidget(intervalBox);
  intervalRow->addWidget(secs);
  grid->addLayout(intervalRow, 0, 1);
  auto* stopRow = new QHBoxLayout;
  stopRow->setSpacing(4);
  stopRow->addWidget(stopAfter);
  stopRow->addWidget(soundOff);
  stopRow->addWidget(MakeLabel(QStringLiteral("min."), group));
  stopRow->addStretch();
  grid->addLayout(stopRow, 1, 0);
  auto* volume = new QVBoxLayout;
  volume->setSpacing(1);
  volume->addWidget(volumeSlider);
  volume->addWidget(MakeLabel(QStringLiteral("Low ----------VOLUME ------------High"), group), 0,
                    Qt::AlignHCenter);
  grid->addLayout(volume, 1, 1);
  grid->setColumnStretch(1, 1);
  return group;
}

QWidget* AircraftPage::MakeSpeedGroup(Wiring wiring) {
  auto [group, grid] = MakeGridGroup(QStringLiteral("Aircraft Speed"), this);
  QScrollBar* slider = MakeSlider(C::hsbSpeed, wiring, group);
  QLineEdit* box = MakeValueBox(C::txtSpeed, wiring, group);
  grid->addWidget(MakeLabel(QStringLiteral("Speed:"), group), 0, 1);
  grid->addWidget(slider, 1, 0);
  grid->addWidget(box, 1, 1);
  grid->addWidget(
      MakeLabel(QStringLiteral("Slow ------------------------------------ Fast"), group),
      2, 0, Qt::AlignHCenter);
  grid->setColumnStretch(0, 1);
  return group;
}

}  // namespace aerolark
