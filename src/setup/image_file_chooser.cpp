#include "setup/image_file_chooser.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>

#include "setup/dialog_store.h"
#include "setup/message_sink.h"

namespace aerolark {
namespace {

// Client sizes are given in twips, 15 to the pixel.
constexpr int kTwipsPerPixel = 15;

struct FileType {
  const char* text;
  const char* pattern;
};

// "*.*" is matched as "*" so that names without a dot are listed too, as
// "All files" promises.
const FileType kFileTypes[] = {{"BMP files (*.BMP)", "*.BMP"},
                               {"GIF files (*.GIF)", "*.GIF"},
                               {"JPG files (*.JPG)", "*.JPG"},
                               {"All files (*.*)", "*"}};
constexpr int kFileTypeCount = 4;

QString ParentOf(const QString& path) {
  QDir dir(path);
  return dir.cdUp() ? dir.absolutePath() : path;
}

QString NameOf(const QString& path) {
  QString name = QDir(path).dirName();
  return name.isEmpty() ? path : name;
}

bool CanRead(const QString& folder) {
  QDir dir(folder);
  return dir.exists() && dir.isReadable();
}

}  // namespace

ChooserKind BackgroundChooser() {
  return {QStringLiteral("Form1"), Key::BMPFileName,
          QSize(6060 / kTwipsPerPixel, 4680 / kTwipsPerPixel)};
}

ChooserKind LogoChooser() {
  return {QStringLiteral("Select Your Logo"), Key::LogoFileName,
          QSize(5835 / kTwipsPerPixel, 4290 / kTwipsPerPixel)};
}

ImageFileChooser::ImageFileChooser(const ChooserKind& kind, DialogStore& store,
                                   std::vector<FileSystem> fileSystems, QWidget* parent)
    : QDialog(parent), kind_(kind), store_(store), fileSystems_(std::move(fileSystems)) {
  setWindowTitle(kind_.caption);
  setFixedSize(kind_.clientSize);
  BuildControls();
  folder_ = QDir::currentPath();
  pattern_ = QString::fromLatin1(kFileTypes[0].pattern);
  FillDrives();
  types_->setCurrentIndex(0);
  OpenFolder(folder_);
}

void ImageFileChooser::BuildControls() {
  name_ = new QLineEdit(this);
  name_->setObjectName("txtFileName");
  files_ = new QListWidget(this);
  files_->setObjectName("filFiles");
  types_ = new QComboBox(this);
  types_->setObjectName("cboFileType");
  for (const FileType& type : kFileTypes) types_->addItem(QString::fromLatin1(type.text));
  folderName_ = new QLabel(this);
  folderName_->setObjectName("lblDirName");
  folderName_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  folders_ = new QTreeWidget(this);
  folders_->setObjectName("dirDirectory");
  folders_->setHeaderHidden(true);
  folders_->setIndentation(10);
  drives_ = new QComboBox(this);
  drives_->setObjectName("drvDrive");
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
  grid->addWidget(name_, 1, 0);
  grid->addWidget(files_, 2, 0);
  grid->addWidget(new QLabel(QStringLiteral("File Type:"), this), 3, 0);
  grid->addWidget(types_, 4, 0);
  grid->addWidget(new QLabel(QStringLiteral("Directories:"), this), 0, 1);
  grid->addWidget(folderName_, 1, 1);
  grid->addWidget(folders_, 2, 1);
  grid->addWidget(new QLabel(QStringLiteral("Drive:"), this), 3, 1);
  grid->addWidget(drives_, 4, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cancel);
  buttons->addWidget(ok);
  grid->addLayout(buttons, 5, 0, 1, 2);
  grid->setRowStretch(2, 1);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);

  // Selecting by keyboard counts as a click, as it does in any list.
  connect(files_, &QListWidget::itemSelectionChanged, this, [this] {
    const QList<QListWidgetItem*> selected = files_->selectedItems();
    if (!selected.isEmpty()) name_->setText(selected.first()->text());
  });
  connect(files_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { name_->setText(item->text()); });
  connect(files_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    name_->setText(item->text());
    Confirm();
  });
  connect(types_, &QComboBox::activated, this, [this](int index) { ChooseFileType(index); });
  connect(folders_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
    OpenFolder(item->data(0, Qt::UserRole).toString());
  });
  connect(drives_, &QComboBox::activated, this, [this](int index) { ChooseDrive(index); });
  connect(ok, &QPushButton::clicked, this, [this] { Confirm(); });
  connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
}

void ImageFileChooser::FillDrives() {
  drives_->clear();
  for (const FileSystem& fileSystem : fileSystems_) drives_->addItem(DriveText(fileSystem));
}

void ImageFileChooser::ShowDriveInUse() {
  drives_->setCurrentIndex(FileSystemOf(fileSystems_, folder_));
}

void ImageFileChooser::ChooseFileType(int index) {
  if (index < 0 || index >= kFileTypeCount) return;
  types_->setCurrentIndex(index);
  pattern_ = QString::fromLatin1(kFileTypes[index].pattern);
  FillFiles();
}

void ImageFileChooser::ChooseDrive(int index) {
  if (index < 0 || index >= static_cast<int>(fileSystems_.size())) return;
  const QString& root = fileSystems_[index].root;
  QString target = driveFolders_.value(root, root);
  if (!CanRead(target)) target = root;
  if (!CanRead(target)) {
    store_.messages().Show(this, Message{QStringLiteral("Error"), QStringLiteral("Drive error!"),
                                         MessageIcon::Exclamation});
    ShowDriveInUse();
    return;
  }
  OpenFolder(target);
}

void ImageFileChooser::OpenFolder(const QString& path) {
  folder_ = QDir(path).absolutePath();
  int drive = FileSystemOf(fileSystems_, folder_);
  if (drive >= 0) driveFolders_.insert(fileSystems_[drive].root, folder_);
  drives_->setCurrentIndex(drive);
  folderName_->setText(folder_);
  folderName_->setToolTip(folder_);
  FillFolders();
  FillFiles();
}

// The folder list: the drive's root, each folder down to the current one
// (opened), then the current folder's own folders.
void ImageFileChooser::FillFolders() {
  folders_->clear();
  int drive = FileSystemOf(fileSystems_, folder_);
  QString root = drive >= 0 ? fileSystems_[drive].root : QDir::rootPath();
  QStringList chain;
  for (QString step = folder_; ; step = ParentOf(step)) {
    chain.prepend(step);
    if (step == root || ParentOf(step) == step) break;
  }
  const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
  QTreeWidgetItem* parent = nullptr;
  for (const QString& step : chain) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(folders_);
    item->setText(0, parent ? NameOf(step) : step);
    item->setIcon(0, open);
    item->setData(0, Qt::UserRole, step);
    item->setExpanded(true);
    parent = item;
  }
  QDir current(folder_);
  const QStringList children =
      current.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
  for (const QString& child : children) {
    auto* item = new QTreeWidgetItem(parent);
    item->setText(0, child);
    item->setIcon(0, closed);
    item->setData(0, Qt::UserRole, current.absoluteFilePath(child));
  }
  folders_->setCurrentItem(parent);
}

// Ordinary files only (no hidden ones), matched without regard to case.
void ImageFileChooser::FillFiles() {
  files_->clear();
  QDir dir(folder_);
  dir.setNameFilters({pattern_});
  dir.setFilter(QDir::Files);
  dir.setSorting(QDir::Name | QDir::IgnoreCase);
  files_->addItems(dir.entryList());
}

QString ChosenPath(const QString& folder, const QString& typedName, const QString& selectedName) {
  if (selectedName.isEmpty() || typedName != selectedName) return typedName;
  QString path = folder;
  if (!path.endsWith('/')) path += '/';
  return path + typedName;
}

QString ImageFileChooser::FullPath() const {
  const QList<QListWidgetItem*> selected = files_->selectedItems();
  return ChosenPath(folder_, name_->text(), selected.isEmpty() ? QString() : selected.first()->text());
}

void ImageFileChooser::Confirm() {
  if (name_->text().isEmpty()) {
    store_.messages().Show(this, Message{QStringLiteral("Aerolark"),
                                         QStringLiteral("You must first select a file!"),
                                         MessageIcon::None});
    return;
  }
  // A value that could not be stored keeps the chooser open: the user's
  // choice is not lost silently.
  if (store_.Write(kind_.key, FullPath())) accept();
}

}  // namespace aerolark
