#include "setup/qt/image_file_chooser.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <string_view>

#include "setup/qt/page_layout.h"

namespace aerolark {

ImageFileChooser::ImageFileChooser(const ChooserKind& kind, DialogStore& store,
                                   std::vector<FileSystem> fileSystems, MessageShower showMessage,
                                   QWidget* parent)
    : QDialog(parent),
      showMessage_(std::move(showMessage)),
      logic_(kind, store, *this, std::move(fileSystems)) {
  setWindowTitle(ToQt(kind.caption));
  BuildControls();
  logic_.Open();
  FixDesignedSize(this, QSize(kind.width, kind.height));
}

void ImageFileChooser::BuildControls() {
  using C = Control;
  auto* name = new QLineEdit(this);
  controls_.Add(C::txtFileName, name);
  auto* files = new QListWidget(this);
  controls_.Add(C::filFiles, files);
  auto* types = new QComboBox(this);
  // As wide as its longest type in any font; the drives ask for less, as a
  // mount point can be long: the open list shows it whole.
  types->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  types->setMinimumContentsLength(static_cast<int>(std::string_view("BMP files (*.BMP)").size()));
  controls_.Add(C::cboFileType, types);
  auto* folderName = new QLabel(this);
  folderName->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  controls_.Add(C::lblDirName, folderName);
  folders_ = new QTreeWidget(this);
  folders_->setHeaderHidden(true);
  folders_->setIndentation(10);
  controls_.Add(C::dirDirectory, folders_);
  auto* drives = new QComboBox(this);
  drives->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  drives->setMinimumContentsLength(12);
  controls_.Add(C::drvDrive, drives);
  auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
  cancel->setObjectName("cmdCancel");
  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  ok->setObjectName("cmdOK");
  ok->setDefault(true);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(8, 6, 8, 8);
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(3);
  grid->addWidget(new QLabel(QStringLiteral("File Name:"), this), 0, 0);
  grid->addWidget(name, 1, 0);
  grid->addWidget(files, 2, 0);
  grid->addWidget(new QLabel(QStringLiteral("File Type:"), this), 3, 0);
  grid->addWidget(types, 4, 0);
  grid->addWidget(new QLabel(QStringLiteral("Directories:"), this), 0, 1);
  grid->addWidget(folderName, 1, 1);
  grid->addWidget(folders_, 2, 1);
  grid->addWidget(new QLabel(QStringLiteral("Drive:"), this), 3, 1);
  grid->addWidget(drives, 4, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cancel);
  buttons->addWidget(ok);
  grid->addLayout(buttons, 5, 0, 1, 2);
  grid->setRowStretch(2, 1);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);

  // Selecting by keyboard counts as a click, as it does in any list.
  connect(files, &QListWidget::itemSelectionChanged, this,
          [this] { logic_.ClickFile(Number(Control::filFiles)); });
  connect(files, &QListWidget::itemClicked, this,
          [this, files](QListWidgetItem* item) { logic_.ClickFile(files->row(item)); });
  connect(files, &QListWidget::itemDoubleClicked, this,
          [this, files](QListWidgetItem* item) { logic_.DoubleClickFile(files->row(item)); });
  connect(types, &QComboBox::activated, this, [this](int index) { logic_.ChooseFileType(index); });
  connect(folders_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
    logic_.OpenFolder(FromQt(item->data(0, Qt::UserRole).toString()));
  });
  connect(drives, &QComboBox::activated, this, [this](int index) { logic_.ChooseDrive(index); });
  connect(ok, &QPushButton::clicked, this, [this] { logic_.Confirm(); });
  connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
}

void ImageFileChooser::SetText(Control control, std::string_view text) {
  controls_.SetText(control, text);
  // The folder's label may be too narrow for its path; the tip shows it whole.
  if (control == Control::lblDirName) {
    findChild<QLabel*>(ToQt(ControlName(control)))->setToolTip(ToQt(text));
  }
}

void ImageFileChooser::ShowFolders(const FolderTree& tree) {
  folders_->clear();
  const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
  QTreeWidgetItem* parent = nullptr;
  auto add = [&](const FolderEntry& entry, const QIcon& icon) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(folders_);
    item->setText(0, ToQt(entry.text));
    item->setIcon(0, icon);
    item->setData(0, Qt::UserRole, ToQt(entry.path));
    return item;
  };
  for (const FolderEntry& step : tree.opened) {
    parent = add(step, open);
    parent->setExpanded(true);
  }
  for (const FolderEntry& child : tree.inside) add(child, closed);
  folders_->setCurrentItem(parent);
}

}  // namespace aerolark
