#include "setup/background_page.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

#include "settings/conversions.h"
#include "setup/dialog_store.h"
#include "setup/page_layout.h"

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

QString InstallFolderForDisplay(const QString& installFolder) {
  QString folder = installFolder;
  while (folder.size() > 1 && (folder.endsWith('/') || folder.endsWith('\\'))) folder.chop(1);
  return folder;
}

BackgroundPage::BackgroundPage(DialogStore& store, const QString& installFolder,
                               QWidget* parent)
    : QWidget(parent), store_(store) {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(8, 8, 8, 8);
  column->setSpacing(8);
  column->addWidget(MakeChoiceGroup());
  column->addWidget(MakeCustomGroup(installFolder));
  column->addStretch();
}

QWidget* BackgroundPage::MakeChoiceGroup() {
  QGroupBox* group = MakeGroup(QStringLiteral("Background"), this);
  auto* grid = new QGridLayout(group);
  Tighten(grid, 4);
  options_ = new QButtonGroup(group);
  const char* const captions[] = {"Solid Black", "Solid Sky Blue", "Custom"};
  for (int i = 0; i < 3; ++i) {
    auto* option = new QRadioButton(QString::fromLatin1(captions[i]), group);
    option->setObjectName(QStringLiteral("optBakGrnd%1").arg(i));
    options_->addButton(option, i);
    grid->addWidget(option, i, 0);
  }
  grid->addWidget(MakeSwatch(palette().color(QPalette::ButtonText), group), 0, 1);
  grid->addWidget(MakeSwatch(QColor(128, 255, 255), group), 1, 1);
  grid->setColumnStretch(2, 1);
  QObject::connect(options_, &QButtonGroup::idClicked, this,
                   [this](int index) { OnOptionChosen(index); });
  return group;
}

QWidget* BackgroundPage::MakeCustomGroup(const QString& installFolder) {
  QGroupBox* group = MakeGroup(QStringLiteral("Custom Back Ground"), this);
  selectButton_ = new QPushButton(QStringLiteral("Select Background"), group);
  selectButton_->setObjectName("cmdSelectBG");
  QObject::connect(selectButton_, &QPushButton::clicked, this, [this] {
    if (onSelect_) onSelect_();
  });
  fileBox_ = new QLineEdit(group);
  fileBox_->setObjectName("txtBGFile");
  fileBox_->setReadOnly(true);
  auto* grid = new QGridLayout(group);
  Tighten(grid, 4);
  grid->addWidget(selectButton_, 0, 0);
  grid->addWidget(fileBox_, 1, 0, 1, 2);
  QLabel* note = MakeLabel(
      QStringLiteral("Backgrounds must be in .bmp format, 800x600 in size and  placed in:"),
      group);
  note->setWordWrap(true);
  grid->addWidget(note, 2, 0, 1, 2);
  grid->addWidget(
      MakeLabel(QStringLiteral(" ") + InstallFolderForDisplay(installFolder), group, "lblFolder"),
      3, 0, 1, 2);
  grid->setColumnStretch(1, 1);
  return group;
}

void BackgroundPage::LoadChoice() {
  choice_ = store_.ReadText(Key::BackGround);
  double index = std::nearbyint(NumericRead(choice_.toStdString()) - 1);
  int option = (index >= 0 && index <= 2) ? static_cast<int>(index) : 0;
  OnOptionChosen(option);
}

void BackgroundPage::OnOptionChosen(int index) {
  options_->button(index)->setChecked(true);
  choice_ = QString::number(index + 1);
  store_.Write(Key::BackGround, choice_);
  RefreshChoice();
}

void BackgroundPage::RefreshChoice() {
  choice_ = store_.ReadText(Key::BackGround);
  EnableSelectForChoice();
}

void BackgroundPage::EnableSelectForChoice() {
  selectButton_->setEnabled(NumericRead(choice_.toStdString()) == 3);
}

void BackgroundPage::SelectBG() { fileBox_->setText(store_.ReadText(Key::BMPFileName)); }

}  // namespace aerolark
