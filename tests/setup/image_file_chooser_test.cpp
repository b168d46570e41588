// The image chooser: what it lists, the path it stores, and its messages.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "setup/dialog_store.h"
#include "setup/image_file_chooser.h"
#include "setup_test_support.h"

namespace aerolark::testing {
namespace {

void Touch(const QString& path) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

QStringList Listed(QListWidget* list) {
  QStringList names;
  for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
  return names;
}

// A folder tree standing for two drives: the machine's root file system and
// one mounted at <tmp>/card; and a third whose mount point cannot be read.
class ImageFileChooserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureApplication();
    ASSERT_TRUE(tmp.isValid());
    root = tmp.path();
    QDir(root).mkpath("pictures/holiday");
    QDir(root).mkpath("card");
    for (const char* name : {"sky.bmp", "SKY2.BMP", "dusk.Bmp", "clouds.gif", "notes.txt",
                             "README", ".hidden.bmp"}) {
      Touch(root + "/pictures/" + name);
    }
    Touch(root + "/card/pic.bmp");
    previous = QDir::currentPath();
    QDir::setCurrent(root + "/pictures");
    fileSystems = {{"/", ""}, {root + "/card", "card"}, {root + "/gone", "empty drive"}};
  }
  void TearDown() override { QDir::setCurrent(previous); }

  std::unique_ptr<ImageFileChooser> Open(const ChooserKind& kind = BackgroundChooser()) {
    auto chooser = std::make_unique<ImageFileChooser>(kind, store, fileSystems);
    chooser->show();
    return chooser;
  }
  template <typename T>
  static T* Control(QWidget* chooser, const char* name) { return Find<T>(chooser, name); }
  static void ClickFile(QWidget* chooser, const QString& name) {
    auto* files = Control<QListWidget>(chooser, "filFiles");
    QListWidgetItem* item = files->findItems(name, Qt::MatchExactly).value(0);
    ASSERT_NE(item, nullptr) << name.toStdString();
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(item).center());
  }
  static void ClickOk(QWidget* chooser) {
    QTest::mouseClick(Control<QPushButton>(chooser, "cmdOK"), Qt::LeftButton);
  }

  QTemporaryDir tmp;
  QString root;
  QString previous;
  std::vector<FileSystem> fileSystems;
  RecordingSettings settings;
  RecordingSink sink;
  DialogStore store{settings, sink};
};

TEST_F(ImageFileChooserTest, OpensInTheCurrentFolderListingPicturesOfTheTypeWithoutRegardToCase) {
  auto chooser = Open();
  auto* files = Control<QListWidget>(chooser.get(), "filFiles");
  EXPECT_EQ(Listed(files), (QStringList{"dusk.Bmp", "sky.bmp", "SKY2.BMP"}));
  EXPECT_EQ(Control<QLabel>(chooser.get(), "lblDirName")->text(), root + "/pictures");
  EXPECT_EQ(Control<QLineEdit>(chooser.get(), "txtFileName")->text(), "");
  auto* types = Control<QComboBox>(chooser.get(), "cboFileType");
  ASSERT_EQ(types->count(), 4);
  EXPECT_EQ(types->itemText(3), "All files (*.*)");

  emit types->activated(1);
  EXPECT_EQ(Listed(files), (QStringList{"clouds.gif"}));
  emit types->activated(3);  // every ordinary file, hidden ones and folders left out
  EXPECT_EQ(Listed(files), (QStringList{"clouds.gif", "dusk.Bmp", "notes.txt", "README",
                                        "sky.bmp", "SKY2.BMP"}));
  chooser->ChooseFileType(7);  // no such type: nothing changes
  EXPECT_EQ(chooser->pattern(), "*");

  // The folder list runs from the drive's root down to the current folder,
  // which is opened to show its own folders.
  auto* folders = Control<QTreeWidget>(chooser.get(), "dirDirectory");
  EXPECT_EQ(folders->topLevelItem(0)->text(0), "/");
  EXPECT_EQ(folders->currentItem()->text(0), "pictures");
  ASSERT_EQ(folders->currentItem()->childCount(), 1);
  EXPECT_EQ(folders->currentItem()->child(0)->text(0), "holiday");
}

TEST_F(ImageFileChooserTest, OkStoresTheFolderAndNameOrTheTypedTextAsItIs) {
  {  // a clicked file in a folder
    auto chooser = Open();
    ClickFile(chooser.get(), "sky.bmp");
    EXPECT_EQ(Control<QLineEdit>(chooser.get(), "txtFileName")->text(), "sky.bmp");
    ClickOk(chooser.get());
    EXPECT_EQ(settings.Stored(Key::BMPFileName), (root + "/pictures/sky.bmp").toStdString());
    EXPECT_FALSE(chooser->isVisible());
    EXPECT_EQ(chooser->result(), QDialog::Accepted);
  }
  {  // the same at the root of a file system: one separator
    auto chooser = Open(LogoChooser());
    emit Control<QComboBox>(chooser.get(), "drvDrive")->activated(1);
    EXPECT_EQ(chooser->folder(), root + "/card");
    ClickFile(chooser.get(), "pic.bmp");
    ClickOk(chooser.get());
    EXPECT_EQ(settings.Stored(Key::LogoFileName), (root + "/card/pic.bmp").toStdString());
  }
  {  // a typed path with no file selected
    auto chooser = Open();
    QTest::keyClicks(Control<QLineEdit>(chooser.get(), "txtFileName"), "/other/logo.gif");
    ClickOk(chooser.get());
    EXPECT_EQ(settings.Stored(Key::BMPFileName), "/other/logo.gif");
  }
  {  // a name kept from another folder is stored bare
    auto chooser = Open();
    ClickFile(chooser.get(), "sky.bmp");
    auto* folders = Control<QTreeWidget>(chooser.get(), "dirDirectory");
    emit folders->itemActivated(folders->currentItem()->child(0), 0);
    EXPECT_EQ(Control<QLabel>(chooser.get(), "lblDirName")->text(), root + "/pictures/holiday");
    ClickOk(chooser.get());
    EXPECT_EQ(settings.Stored(Key::BMPFileName), "sky.bmp");
  }
  {  // the comparison respects case
    auto chooser = Open();
    ClickFile(chooser.get(), "sky.bmp");
    auto* name = Control<QLineEdit>(chooser.get(), "txtFileName");
    name->selectAll();
    QTest::keyClicks(name, "SKY.BMP");
    ClickOk(chooser.get());
    EXPECT_EQ(settings.Stored(Key::BMPFileName), "SKY.BMP");
  }
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(ImageFileChooserTest, PathJoinAddsOneSeparatorOnly) {
  EXPECT_EQ(ChosenPath("/", "sky.bmp", "sky.bmp"), "/sky.bmp");
  EXPECT_EQ(ChosenPath("/media/card", "sky.bmp", "sky.bmp"), "/media/card/sky.bmp");
  EXPECT_EQ(ChosenPath("/media/card", "sky.bmp", ""), "sky.bmp");
  EXPECT_EQ(ChosenPath("/media/card", "Sky.bmp", "sky.bmp"), "Sky.bmp");
}

TEST_F(ImageFileChooserTest, DoubleClickStoresAndClosesInOneStep) {
  auto chooser = Open();
  auto* files = Control<QListWidget>(chooser.get(), "filFiles");
  QListWidgetItem* item = files->findItems("dusk.Bmp", Qt::MatchExactly).value(0);
  ASSERT_NE(item, nullptr);
  QPoint at = files->visualItemRect(item).center();
  QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, at);
  EXPECT_EQ(settings.WritesOf(Key::BMPFileName),
            std::vector<std::string>{(root + "/pictures/dusk.Bmp").toStdString()});
  EXPECT_FALSE(chooser->isVisible());
}

TEST_F(ImageFileChooserTest, EmptyNameCancelAndCloseBoxStoreNothing) {
  auto chooser = Open();
  ClickOk(chooser.get());
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].caption, "Aerolark");
  EXPECT_EQ(sink.messages[0].text, "You must first select a file!");
  EXPECT_EQ(sink.messages[0].icon, MessageIcon::None);
  EXPECT_TRUE(chooser->isVisible());

  ClickFile(chooser.get(), "sky.bmp");
  QTest::mouseClick(Control<QPushButton>(chooser.get(), "cmdCancel"), Qt::LeftButton);
  EXPECT_FALSE(chooser->isVisible());

  auto again = Open();
  ClickFile(again.get(), "sky.bmp");
  again->close();
  EXPECT_TRUE(settings.writes.empty());
}

TEST_F(ImageFileChooserTest, AnUnreadableDriveIsReportedAndTheDriveInUseComesBack) {
  auto chooser = Open();
  auto* drives = Control<QComboBox>(chooser.get(), "drvDrive");
  ASSERT_EQ(drives->count(), 3);
  EXPECT_EQ(drives->currentIndex(), 0);
  drives->setCurrentIndex(2);
  emit drives->activated(2);
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].caption, "Error");
  EXPECT_EQ(sink.messages[0].text, "Drive error!");
  EXPECT_EQ(sink.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(drives->currentIndex(), 0);
  EXPECT_EQ(chooser->folder(), root + "/pictures");
  EXPECT_TRUE(chooser->isVisible());
}

TEST_F(ImageFileChooserTest, CaptionsAndSizesOfTheTwoChoosers) {
  auto background = Open(BackgroundChooser());
  EXPECT_EQ(background->windowTitle(), "Form1");
  EXPECT_EQ(background->size(), QSize(404, 312));
  auto logo = Open(LogoChooser());
  EXPECT_EQ(logo->windowTitle(), "Select Your Logo");
  EXPECT_EQ(logo->size(), QSize(389, 286));
}

TEST(FileSystemOf, PicksTheLongestMountPointHoldingThePath) {
  std::vector<FileSystem> systems = {{"/", ""}, {"/media", ""}, {"/media/card", ""}};
  EXPECT_EQ(FileSystemOf(systems, "/media/card/x"), 2);
  EXPECT_EQ(FileSystemOf(systems, "/media/cardigan"), 1);
  EXPECT_EQ(FileSystemOf(systems, "/home"), 0);
  EXPECT_EQ(FileSystemOf({}, "/home"), -1);
}

}  // namespace
}  // namespace aerolark::testing
