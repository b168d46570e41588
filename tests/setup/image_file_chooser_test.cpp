// The image chooser: what it lists, the path it stores, and its messages.

#include <gtest/gtest.h>

#include "setup/dialog_store.h"
#include "setup/file_systems.h"
#include "setup/folder_listing.h"
#include "setup_test_support.h"

namespace aerolark::testing {
namespace {

using C = Control;
using Names = std::vector<std::string>;

// Two drives: the machine's root file system and one mounted at <tmp>/card;
// and a third whose mount point cannot be read.
class ImageChooserTest : public ::testing::Test {
 protected:
  ImageChooserLogic& Open(const ChooserKind& kind = BackgroundChooser()) {
    view = RecordingChooserView();
    chooser.emplace(kind, store, view, fileSystems);
    chooser->Open();
    return *chooser;
  }
  // The user clicks a listed file.
  void Click(const std::string& name) {
    const Names& files = view.items[C::filFiles];
    chooser->ClickFile(static_cast<int>(std::find(files.begin(), files.end(), name) - files.begin()));
  }

  PictureFolders folders;
  const std::string& root = folders.root;
  std::vector<FileSystem> fileSystems = {
      {"/", ""}, {root + "/card", "card"}, {root + "/gone", "empty drive"}};
  RecordingSettings settings;
  RecordingChooserView view;
  DialogStore store{settings, view};
  std::optional<ImageChooserLogic> chooser;
};

TEST_F(ImageChooserTest, OpensInTheCurrentFolderListingPicturesOfTheTypeWithoutRegardToCase) {
  ImageChooserLogic& logic = Open();
  EXPECT_EQ(view.items[C::filFiles], (Names{"dusk.Bmp", "sky.bmp", "SKY2.BMP"}));
  EXPECT_EQ(view.texts[C::lblDirName], root + "/pictures");
  EXPECT_EQ(view.items[C::drvDrive], (Names{"/", root + "/card  [card]", root + "/gone  [empty drive]"}));
  EXPECT_EQ(view.numbers[C::drvDrive], 0);

  logic.ChooseFileType(1);
  EXPECT_EQ(view.items[C::filFiles], (Names{"clouds.gif"}));
  logic.ChooseFileType(3);  // every ordinary file, hidden ones and folders left out
  EXPECT_EQ(view.items[C::filFiles],
            (Names{"clouds.gif", "dusk.Bmp", "notes.txt", "README", "sky.bmp", "SKY2.BMP"}));
  logic.ChooseFileType(7);  // no such type: nothing changes
  EXPECT_EQ(logic.pattern(), "*");

  // The folder list runs from the drive's root down to the current folder,
  // then lists the current folder's own folders.
  EXPECT_EQ(view.tree.opened.front().text, "/");
  EXPECT_EQ(view.tree.opened.back().text, "pictures");
  ASSERT_EQ(view.tree.inside.size(), 1u);
  EXPECT_EQ(view.tree.inside[0].text, "holiday");
  EXPECT_EQ(view.tree.inside[0].path, root + "/pictures/holiday");
}

TEST_F(ImageChooserTest, OkStoresTheFolderAndNameOrTheTypedTextAsItIs) {
  Open();  // a clicked file in a folder
  Click("sky.bmp");
  EXPECT_EQ(view.texts[C::txtFileName], "sky.bmp");
  chooser->Confirm();
  EXPECT_EQ(settings.Stored(Key::BMPFileName), root + "/pictures/sky.bmp");
  EXPECT_TRUE(view.hidden);

  Open(LogoChooser()).ChooseDrive(1);  // the same at the root of a file system: one separator
  EXPECT_EQ(view.numbers[C::drvDrive], 1);
  Click("pic.bmp");
  chooser->Confirm();
  EXPECT_EQ(settings.Stored(Key::LogoFileName), root + "/card/pic.bmp");

  Open();  // a typed path with no file selected
  view.texts[C::txtFileName] = "/other/logo.gif";
  chooser->Confirm();
  EXPECT_EQ(settings.Stored(Key::BMPFileName), "/other/logo.gif");

  Open();  // a name kept from another folder is stored bare
  Click("sky.bmp");
  chooser->OpenFolder(view.tree.inside[0].path);
  EXPECT_EQ(view.texts[C::lblDirName], root + "/pictures/holiday");
  chooser->Confirm();
  EXPECT_EQ(settings.Stored(Key::BMPFileName), "sky.bmp");

  Open();  // the comparison respects case
  Click("sky.bmp");
  view.texts[C::txtFileName] = "SKY.BMP";
  chooser->Confirm();
  EXPECT_EQ(settings.Stored(Key::BMPFileName), "SKY.BMP");
  EXPECT_TRUE(view.messages.empty());  // a double click: ImageFileChooserView
}

TEST_F(ImageChooserTest, AnEmptyNameIsRefusedAndAFailedStoreKeepsTheChooserOpen) {
  Open().Confirm();
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0], (Message{"Aerolark", "You must first select a file!", MessageIcon::None}));
  EXPECT_TRUE(settings.writes.empty());
  settings.failWrites = true;
  Click("sky.bmp");
  chooser->Confirm();
  EXPECT_FALSE(view.hidden);
}

TEST_F(ImageChooserTest, AnUnreadableDriveIsReportedAndTheDriveInUseComesBack) {
  Open();
  view.numbers[C::drvDrive] = 2;
  chooser->ChooseDrive(2);
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0], (Message{"Error", "Drive error!", MessageIcon::Exclamation}));
  EXPECT_EQ(view.numbers[C::drvDrive], 0);
  EXPECT_EQ(chooser->folder(), root + "/pictures");
  chooser->ChooseDrive(9);  // no such drive: nothing happens
  EXPECT_EQ(view.messages.size(), 1u);
  EXPECT_FALSE(view.hidden);
}

// How a path is joined to the folder is in the Confirm cases above.
TEST(ChooserRules, APathBelongsToTheLongestMountPointAndFoldersAreTidied) {
  std::vector<FileSystem> systems = {{"/", ""}, {"/media", ""}, {"/media/card", ""}};
  EXPECT_EQ(FileSystemOf(systems, "/media/card/x"), 2);
  EXPECT_EQ(FileSystemOf(systems, "/media/cardigan"), 1);
  EXPECT_EQ(FileSystemOf(systems, "/home"), 0);
  EXPECT_EQ(FileSystemOf({}, "/home"), -1);
  // A root given with its separator holds what lies below it all the same.
  EXPECT_EQ(FileSystemOf({{"/", ""}, {"/media/card/", ""}}, "/media/card/x"), 1);
  EXPECT_EQ(FileSystemOf({{"/", ""}, {"/media/card/", ""}}, "/media/card"), 1);
  // A folder is tidied, but a root keeps its separator.
  EXPECT_EQ(AbsoluteFolder("/"), "/");
  EXPECT_EQ(AbsoluteFolder("/media//card/x/../"), "/media/card");
}

// Names are bytes here: one that is no UTF-8 is listed and stored unchanged.
TEST_F(ImageChooserTest, ANameThatIsNoUtf8IsListedAndStoredByteForByte) {
  const std::string name = "\xff\xfe sky.bmp";
  WriteText(root + "/pictures/" + name, "BM");
  Open(LogoChooser());
  Click(name);
  chooser->Confirm();
  EXPECT_EQ(settings.WritesOf(Key::LogoFileName), (Names{root + "/pictures/" + name}));
}

}  // namespace
}  // namespace aerolark::testing
