#include "setup/logo_message_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "setup/dialog_store.h"
#include "setup/page_layout.h"

namespace aerolark {
namespace {

const char* const kSizeItems[] = {"8", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100"};

void SetFontFamily(QLabel* label, const QString& family) {
  QFont font = label->font();
  font.setFamilies({family});
  label->setFont(font);
}

}  // namespace

LogoMessagePage::LogoMessagePage(DialogStore& store, QWidget* parent)
    : QWidget(parent), store_(store) {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(8, 8, 8, 8);
  column->setSpacing(8);
  column->addWidget(MakeLogoGroup());
  column->addWidget(MakeTitleGroup());
  column->addStretch();
}

LogoMessagePage::~LogoMessagePage() = default;

QWidget* LogoMessagePage::MakeLogoGroup() {
  QGroupBox* group = MakeGroup(QStringLiteral("Custom Logo"), this);
  auto* show = new QCheckBox(QStringLiteral("Display Logo"), group);
  show->setObjectName("chkLogo");
  auto* select = new QPushButton(QStringLiteral("Select &Logo"), group);
  select->setObjectName("cmdSelectLogo");
  QObject::connect(select, &QPushButton::clicked, this, [this] {
    if (onSelect_) onSelect_();
  });
  logoBox_ = new QLineEdit(group);
  logoBox_->setObjectName("txtLogo");
  logoBox_->setReadOnly(true);
  auto* grid = new QGridLayout(group);
  Tighten(grid, 4);
  grid->addWidget(show, 0, 0);
  grid->addWidget(select, 0, 1);
  grid->addWidget(logoBox_, 1, 0, 1, 3);
  grid->setColumnStretch(2, 1);
  logo = std::make_unique<CheckBinding>(show, Key::LogoChecked, store_);
  return group;
}

QWidget* LogoMessagePage::MakeTitleGroup() {
  QGroupBox* group = MakeGroup(QStringLiteral("Title"), this);
  auto* show = new QCheckBox(QStringLiteral("Display Message"), group);
  show->setObjectName("chkMessage");
  auto* text = new QLineEdit(group);
  text->setObjectName("txtMessage");
  // A text box cuts its text at 32767 characters by default, and showing a
  // longer stored message would then store it back cut.
  text->setMaxLength(std::numeric_limits<int>::max());

  fonts_ = new QComboBox(group);
  fonts_->setObjectName("cboFontsScreen");
  fonts_->setMaxVisibleItems(12);
  QObject::connect(fonts_, &QComboBox::activated, this, [this](int i) { OnFontChosen(i); });

  sizes_ = new QComboBox(group);
  sizes_->setObjectName("cboFontSize");
  sizes_->setEditable(true);
  sizes_->setInsertPolicy(QComboBox::NoInsert);
  sizes_->setCompleter(nullptr);  // completion would rewrite what the user types
  for (const char* item : kSizeItems) sizes_->addItem(QString::fromLatin1(item));
  QObject::connect(sizes_, &QComboBox::activated, this, [this](int i) { OnSizeChosen(i); });
  QObject::connect(sizes_->lineEdit(), &QLineEdit::textEdited, this, [this] { OnSizeTyped(); });

  sample_ = MakeLabel(QStringLiteral("Aa Bb Cc Dd"), group, "lblSample");
  QFont sampleFont(QStringLiteral("MS Sans Serif"));
  sampleFont.setPointSizeF(13.5);
  sampleFont.setWeight(QFont::Normal);
  sample_->setFont(sampleFont);
  sample_->setMinimumHeight(30);

  auto* grid = new QGridLayout(group);
  Tighten(grid, 4);
  grid->addWidget(show, 0, 0, 1, 3);
  grid->addWidget(text, 1, 0, 1, 3);
  grid->addWidget(MakeLabel(QStringLiteral("Available Fonts:"), group), 2, 0);
  grid->addWidget(MakeLabel(QStringLiteral("Font Size:"), group), 2, 1);
  grid->addWidget(MakeLabel(QStringLiteral("Sample:"), group), 2, 2);
  grid->addWidget(fonts_, 3, 0);
  grid->addWidget(sizes_, 3, 1);
  grid->addWidget(sample_, 3, 2);
  grid->setColumnStretch(0, 3);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(2, 3);

  message = std::make_unique<CheckBinding>(show, Key::MessageChecked, store_);
  messageText = std::make_unique<TextBinding>(text, Key::Message, store_);
  return group;
}

void LogoMessagePage::FillFonts(const QStringList& families) {
  QStringList first = families.mid(0, kFontListSize);
  std::sort(first.begin(), first.end(), [](const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
  });
  fonts_->clear();
  fonts_->addItems(first);
}

void LogoMessagePage::SelectStoredFontIndex() {
  if (fonts_->count() == 0) return;
  OnFontChosen(StoredListIndex(store_.Read(Key::SelectedFont), fonts_->count()));
}

void LogoMessagePage::SelectStoredFontName() {
  if (fonts_->count() == 0) return;
  int index = fonts_->findText(store_.ReadText(Key::FontName), Qt::MatchFixedString |
                                                                    Qt::MatchCaseSensitive);
  OnFontChosen(index >= 0 ? index : 0);
}

void LogoMessagePage::ShowSelectedFontInSample() {
  if (fonts_->currentIndex() >= 0) SetFontFamily(sample_, fonts_->currentText());
}

void LogoMessagePage::SelectStoredSizeIndex() {
  OnSizeChosen(StoredListIndex(store_.Read(Key::SelectedFontSize), sizes_->count()));
}

void LogoMessagePage::LoadSizeText() {
  sizes_->setEditText(store_.ReadText(Key::FontSize));
  OnSizeTyped();
}

void LogoMessagePage::SelectLogo() { logoBox_->setText(store_.ReadText(Key::LogoFileName)); }

void LogoMessagePage::OnFontChosen(int index) {
  fonts_->setCurrentIndex(index);
  store_.Write(Key::SelectedFont, QString::number(index));
  store_.Write(Key::FontName, fonts_->itemText(index));
  ShowSelectedFontInSample();
}

void LogoMessagePage::OnSizeChosen(int index) {
  sizes_->setCurrentIndex(index);
  store_.Write(Key::SelectedFontSize, QString::number(index));
  store_.Write(Key::FontSize, sizes_->itemText(index));
}

void LogoMessagePage::OnSizeTyped() { store_.Write(Key::FontSize, sizes_->currentText()); }

}  // namespace aerolark
