#include "setup/qt/background_page.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "setup/image_chooser_logic.h"
#include "setup/qt/page_layout.h"
#include "setup/setup_logic.h"

namespace aerolark {
namespace {

QFrame* MakeSwatch(const QColor& colour, QWidget* parent) {
  auto* swatch = new QFrame(parent);
  swatch->setFrameShape(QFrame::Box);
  swatch->setFixedSize(28, 16);
  swatch->setAutoFillBackground(true);
  QPalette palette = swatch->palette();
  palette.setColor(QPalette::Window, colour);
  swatch->setPalette(palette);
  return swatch;
}

}  // namespace

BackgroundPage::BackgroundPage(Wiring wiring, const QString& installFolder, QWidget* parent)
    : QWidget(parent) {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(8, 8, 8, 8);
  column->setSpacing(8);
  column->addWidget(MakeChoiceGroup(wiring));
  column->addWidget(MakeCustomGroup(wiring, installFolder));
  column->addStretch();
}

QWidget* BackgroundPage::MakeChoiceGroup(Wiring wiring) {
  auto [group, grid] = MakeGridGroup(QStringLiteral("Background"), this, 4);
  auto* options = new QButtonGroup(group);
  const char* const captions[] = {"Solid Black", "Solid Sky Blue", "Custom"};
  for (int i = 0; i < 3; ++i) {
    auto* option = new QRadioButton(QString::fromLatin1(captions[i]), group);
    option->setObjectName(ToQt(ControlName(Control::optBakGrnd)) + QString::number(i));
    options->addButton(option, i);
    grid->addWidget(option, i, 0);
  }
  grid->addWidget(MakeSwatch(palette().color(QPalette::ButtonText), group), 0, 1);
  grid->addWidget(MakeSwatch(QColor(128, 255, 255), group), 1, 1);
  grid->setColumnStretch(2, 1);
  wiring.controls.Add(Control::optBakGrnd, options);
  SetupLogic& logic = wiring.logic;
  QObject::connect(options, &QButtonGroup::idClicked, this,
                   [&logic](int index) { logic.background.OnOptionChosen(index); });
  return group;
}

QWidget* BackgroundPage::MakeCustomGroup(Wiring wiring, const QString& installFolder) {
  auto [group, grid] = MakeGridGroup(QStringLiteral("Custom Back Ground"), this, 4);
  auto* select = new QPushButton(QStringLiteral("Select Background"), group);
  wiring.controls.Add(Control::cmdSelectBG, select);
  SetupLogic& logic = wiring.logic;
  QObject::connect(select, &QPushButton::clicked, this,
                   [&logic] { logic.SelectPicture(BackgroundChooser()); });
  QLineEdit* fileBox = MakeDisplayBox(Control::txtBGFile, wiring, group);
  grid->addWidget(select, 0, 0);
  grid->addWidget(fileBox, 1, 0, 1, 2);
  QLabel* note = MakeLabel(
      QStringLiteral("Backgrounds must be in .bmp format, 800x600 in size and  placed in:"),
      group);
  note->setWordWrap(true);
  grid->addWidget(note, 2, 0, 1, 2);
  grid->addWidget(MakeLabel(QStringLiteral(" ") + installFolder, group, "lblFolder"), 3, 0, 1, 2);
  grid->setColumnStretch(1, 1);
  return group;
}

}  // namespace aerolark
