#include "setup/qt/logo_message_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "setup/image_chooser_logic.h"
#include "setup/qt/page_layout.h"
#include "setup/setup_logic.h"

namespace aerolark {

using C = Control;

LogoMessagePage::LogoMessagePage(Wiring wiring, QWidget* parent) : QWidget(parent) {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(8, 8, 8, 8);
  column->setSpacing(8);
  column->addWidget(MakeLogoGroup(wiring));
  column->addWidget(MakeTitleGroup(wiring));
  column->addStretch();
}

QWidget* LogoMessagePage::MakeLogoGroup(Wiring wiring) {
  auto [group, grid] = MakeGridGroup(QStringLiteral("Custom Logo"), this, 4);
  QCheckBox* show = MakeCheckBox(C::chkLogo, QStringLiteral("Display Logo"), wiring, group);
  auto* select = new QPushButton(QStringLiteral("Select &Logo"), group);
  select->setObjectName("cmdSelectLogo");
  SetupLogic& logic = wiring.logic;
  QObject::connect(select, &QPushButton::clicked, this,
                   [&logic] { logic.SelectPicture(LogoChooser()); });
  QLineEdit* logoBox = MakeDisplayBox(C::txtLogo, wiring, group);
  grid->addWidget(show, 0, 0);
  grid->addWidget(select, 0, 1);
  grid->addWidget(logoBox, 1, 0, 1, 3);
  grid->setColumnStretch(2, 1);
  return group;
}

QWidget* LogoMessagePage::MakeTitleGroup(Wiring wiring) {
  auto [group, grid] = MakeGridGroup(QStringLiteral("Title"), this, 4);
  SetupLogic& logic = wiring.logic;
  QCheckBox* show = MakeCheckBox(C::chkMessage, QStringLiteral("Display Message"), wiring, group);
  QLineEdit* text = MakeTextBox(C::txtMessage, wiring, group);

  auto* fonts = new QComboBox(group);
  fonts->setMaxVisibleItems(12);
  wiring.controls.Add(C::cboFontsScreen, fonts);
  QObject::connect(fonts, &QComboBox::activated, this,
                   [&logic](int i) { logic.logoMessage.OnFontChosen(i); });

  QComboBox* sizes = MakeEditableList(C::cboFontSize, wiring, group,
                                      [&logic](int i) { logic.logoMessage.OnSizeChosen(i); });
  QObject::connect(sizes->lineEdit(), &QLineEdit::textEdited, this,
                   [&logic] { logic.logoMessage.OnSizeTyped(); });

  QLabel* sample = MakeLabel(QStringLiteral("Aa Bb Cc Dd"), group);
  QFont sampleFont(QStringLiteral("MS Sans Serif"));
  sampleFont.setPointSizeF(13.5);
  sampleFont.setWeight(QFont::Normal);
  sample->setFont(sampleFont);
  sample->setMinimumHeight(30);
  wiring.controls.Add(C::lblSample, sample);

  grid->addWidget(show, 0, 0, 1, 3);
  grid->addWidget(text, 1, 0, 1, 3);
  grid->addWidget(MakeLabel(QStringLiteral("Available Fonts:"), group), 2, 0);
  grid->addWidget(MakeLabel(QStringLiteral("Font Size:"), group), 2, 1);
  grid->addWidget(MakeLabel(QStringLiteral("Sample:"), group), 2, 2);
  grid->addWidget(fonts, 3, 0);
  grid->addWidget(sizes, 3, 1);
  grid->addWidget(sample, 3, 2);
  grid->setColumnStretch(0, 3);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(2, 3);
  return group;
}

}  // namespace aerolark
