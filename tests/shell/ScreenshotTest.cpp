// Screenshot numbering and the loading screen's pick among earlier screenshots.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/Globals.h"
#include "platform/Graphics.h"
#include "shell/Screenshots.h"
#include "support/FailingDisk.h"
#include "support/TempFolder.h"

namespace tolvex {
namespace {

class ScreenshotTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetShellGlobals();
    ScreenshotDir = folder.string() + "\\";
    GfxWidth = 32, GfxHeight = 24;
    ASSERT_TRUE(OpenHeadlessScreen(GfxWidth, GfxHeight));
  }
  void TearDown() override {
    CloseScreen();
    ResetShellGlobals();
  }
  void Touch(const std::string& name) { std::ofstream(folder / name) << "x"; }
  const test::TempFolder temp;
  const std::filesystem::path folder = temp.Path();
};

TEST_F(ScreenshotTest, NumbersSkipTakenFilesAndStartFromTheLastOne) {
  Touch("pic0.png");
  Touch("pic2.png");
  EXPECT_TRUE(TakeScreenshot().ends_with("\\pic1.png"));
  EXPECT_TRUE(TakeScreenshot().ends_with("\\pic3.png"));
  EXPECT_TRUE(std::filesystem::exists(folder / "pic1.png"));
  EXPECT_TRUE(std::filesystem::exists(folder / "pic3.png"));
  EXPECT_EQ(ScreenshotCounter, 3);
}

TEST_F(ScreenshotTest, SavesThePictureOfTheScreen) {
  SetColor(255, 0, 0);
  DrawRect(0, 0, 32, 24);
  const auto name = TakeScreenshot();
  ASSERT_FALSE(name.empty());
  const auto picture = LoadPixmap(name);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->width, 32);
  EXPECT_EQ(picture->height, 24);
  EXPECT_EQ(picture->At(5, 5), 0xFFFF0000u);
}

TEST_F(ScreenshotTest, AReadOnlyFolderSkipsTheScreenshot) {
  {
    const test::ReadOnlyFolder readOnly(folder);
    EXPECT_EQ(TakeScreenshot(), "");
  }
  EXPECT_TRUE(std::filesystem::is_empty(folder));
}

TEST_F(ScreenshotTest, AFullDiskLeavesNoHalfPicture) {
  {
    const test::DiskFullAfter full(100);
    EXPECT_EQ(TakeScreenshot(), "");
  }
  EXPECT_TRUE(std::filesystem::is_empty(folder)) << "neither pic0.png nor a temporary copy";
  EXPECT_NE(TakeScreenshot(), "") << "with room again, the next one is saved";
}

TEST_F(ScreenshotTest, AFileInPlaceOfTheFolderOrAFolderInPlaceOfAPictureIsLeftAlone) {
  std::filesystem::create_directory(folder / "pic0.png");
  EXPECT_TRUE(TakeScreenshot().ends_with("\\pic1.png")) << "a folder of the name counts as taken";
  std::ofstream(folder / "shots") << "mine";
  ScreenshotDir = (folder / "shots").string() + "\\";
  EXPECT_EQ(TakeScreenshot(), "");
  EXPECT_TRUE(std::filesystem::is_regular_file(folder / "shots"));
  EXPECT_TRUE(std::filesystem::is_directory(folder / "pic0.png"));
}

TEST_F(ScreenshotTest, StartupBackgroundNeedsAPngScreenshot) {
  EXPECT_EQ(PickStartupBackground(), nullptr);
  Touch("notes.txt");
  Touch("old.PNG");  // the extension is compared as written
  EXPECT_EQ(PickStartupBackground(), nullptr);
  TakeScreenshot();
  const auto picked = PickStartupBackground();
  ASSERT_TRUE(picked);
  EXPECT_EQ(picked->Width(), 32);
}

}  // namespace
}  // namespace tolvex
