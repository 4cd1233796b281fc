// The sphere menu: its glide, hover and fade, which button wins the pointer, clicks, and drawing.
#include <gmock/gmock.h>

#include <algorithm>
#include <cmath>

#include "ScreenFixture.h"
#include "core/Globals.h"
#include "platform/Clock.h"
#include "ui/TMenue.h"

namespace tolvex {
namespace {

using ::testing::ElementsAre;

class MenuTest : public test::ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    ResetShellGlobals();
    GfxWidth = kWidth, GfxHeight = kHeight;
    ResetMenu();
    UseSteppedClock(kFrameMs);
    FrameTime = kFrameMs;
    FrameRate = 1000.0f / kFrameMs;
    CursorX = CursorY = 0;
  }
  void TearDown() override {
    ResetMenu();
    UseSteppedClock(0);
    ScreenTest::TearDown();
  }

  // Runs the menu for ms milliseconds of frames; the command of the last frame.
  static std::string Run(int ms) {
    std::string command;
    for (int t = 0; t < ms; t += kFrameMs) {
      AdvanceClock();
      command = TMenue::ProcessAll();
    }
    return command;
  }
  // Puts the pointer where a click on the button counts.
  static void PointAt(const TMenuePtr& button) {
    const auto spot = button->ClickSpot();
    ASSERT_TRUE(spot);
    CursorX = static_cast<float>(spot->first), CursorY = static_cast<float>(spot->second);
  }
  static std::vector<std::string> Commands() {
    std::vector<std::string> commands;
    for (const TMenuePtr& button : Menu().buttons) commands.push_back(button->command);
    return commands;
  }

  static constexpr int kFrameMs = 10;
};

TEST_F(MenuTest, TheMainMenuComesDownFromAboveTheScreenToItsCentre) {
  TMenue::InitMainMenue();
  EXPECT_FLOAT_EQ(Menu().x, 160);
  EXPECT_FLOAT_EQ(Menu().y, -105);
  EXPECT_THAT(Commands(), ElementsAre("start_game", "highscore", "quit"));
  Run(400);
  // Halfway through the time the sphere is sin(45°) of the way: a fast start that slows down.
  EXPECT_NEAR(Menu().y, -105 + (120 + 105) * std::sin(3.14159265 / 4), 0.01);
  Run(400);
  EXPECT_FLOAT_EQ(Menu().y, 120);
  const TMenuePtr start = FindMenuButton("start_game");
  EXPECT_FLOAT_EQ(start->GetY(), 120 - 65);
  EXPECT_EQ(start->widthh, 98);
  EXPECT_EQ(start->heighth, 41);
}

TEST_F(MenuTest, WithoutOnlineHighscoresTheHighscoreMenuHasTwoButtonsWithAGap) {
  TMenue::InitHighscoreMenue();
  EXPECT_THAT(Commands(), ElementsAre("start_game", "main"));
  EXPECT_FLOAT_EQ(FindMenuButton("start_game")->y, -65);
  EXPECT_FLOAT_EQ(FindMenuButton("main")->y, 60);
  OnlineHighscore = 1;
  TMenue::InitHighscoreMenue();
  EXPECT_THAT(Commands(), ElementsAre("start_game", "updatehighscore", "main"));
  EXPECT_FLOAT_EQ(FindMenuButton("updatehighscore")->y, 0);
  Run(800);
  EXPECT_FLOAT_EQ(Menu().x, 105);
  EXPECT_FLOAT_EQ(Menu().y, 105);
}

TEST_F(MenuTest, ALabelFadesInUnderThePointerInHalfASecondAndOutAgain) {
  TMenue::InitMainMenue();
  Run(800);
  const TMenuePtr start = FindMenuButton("start_game");
  EXPECT_FLOAT_EQ(start->alpha, 0) << "a fresh menu shows the sphere only";
  PointAt(start);
  Run(250);
  EXPECT_TRUE(start->active);
  EXPECT_NEAR(start->alpha, 0.5f, 1e-4);
  Run(300);
  EXPECT_FLOAT_EQ(start->alpha, 1);
  CursorX = CursorY = 0;
  Run(100);
  EXPECT_FALSE(start->active);
  EXPECT_NEAR(start->alpha, 0.8f, 1e-4);
}

TEST_F(MenuTest, OnlyTheEarlierOfTwoOverlappingButtonsLightsUp) {
  TMenue::Init();
  TMenue::SetPosition(160, 120);
  TMenue::MoveTo(160, 120);
  const TMenuePtr first = TMenue::NewButton("incbin::..\\gfx\\menue_start.png", 0, 0, "first");
  const TMenuePtr second = TMenue::NewButton("incbin::..\\gfx\\menue_start.png", 0, 0, "second");
  PointAt(second);
  ASSERT_TRUE(second->UnderPointer(CursorX, CursorY));
  Run(100);
  EXPECT_TRUE(first->active);
  EXPECT_FALSE(second->active);
  EXPECT_FLOAT_EQ(second->alpha, 0);
  ButtonsHit[0] = 1;
  EXPECT_EQ(Run(kFrameMs), "first");
}

TEST_F(MenuTest, AClickOnATransparentCornerDoesNothing) {
  TMenue::InitMainMenue();
  Run(800);
  const TMenuePtr start = FindMenuButton("start_game");
  // Inside the button's box, on the see-through corner of its image.
  CursorX = start->GetX() - static_cast<float>(start->widthh) + 2;
  CursorY = start->GetY() - static_cast<float>(start->heighth) + 2;
  ASSERT_FALSE(start->UnderPointer(CursorX, CursorY));
  ButtonsHit[0] = 1;
  EXPECT_EQ(Run(kFrameMs), "");
  EXPECT_FALSE(start->active);
  PointAt(start);
  EXPECT_EQ(Run(kFrameMs), "start_game");
}

TEST_F(MenuTest, AClickDuringTheGlideWorksSinceTheButtonsFollowTheSphere) {
  TMenue::InitMainMenue();
  Run(300);
  const float y = Menu().y;
  ASSERT_GT(y, -105);
  ASSERT_LT(y, 120);
  PointAt(FindMenuButton("quit"));
  ButtonsHit[0] = 1;
  // The same moment of the glide: the frame's click lands where the button is drawn.
  UseSteppedClock(kFrameMs);
  for (int t = 0; t < 300; t += kFrameMs) AdvanceClock();
  EXPECT_EQ(TMenue::ProcessAll(), "quit");
  EXPECT_FLOAT_EQ(Menu().y, y);
}

TEST_F(MenuTest, AClickReturnsItsCommandAndLeavesTheLaterButtonsAlone) {
  TMenue::InitMainMenue();
  Run(800);
  const TMenuePtr highscore = FindMenuButton("highscore"), quit = FindMenuButton("quit");
  quit->alpha = 0.5f;
  PointAt(highscore);
  ButtonsHit[0] = 1;
  EXPECT_EQ(Run(kFrameMs), "highscore");
  EXPECT_FLOAT_EQ(quit->alpha, 0.5f) << "not processed after the click";
}

TEST_F(MenuTest, ThePointerMustBeStrictlyInsideTheButtonsBox) {
  TMenue::Init();
  TMenue::SetPosition(160, 120);
  TMenue::MoveTo(160, 120);
  const TMenuePtr button = TMenue::NewButton("incbin::..\\gfx\\menue_start.png", 0, 0, "solid");
  Pixmap solid(40, 20);
  std::fill(solid.pixels.begin(), solid.pixels.end(), 0xFFFFFFFFu);
  button->Image = CreateImageFromPixmap(solid);
  CentreHandle(button->Image);
  button->widthh = 20, button->heighth = 10;
  // The pointer reaches right and down from its tip, over the solid image, from either edge.
  EXPECT_FALSE(button->UnderPointer(140, 120)) << "on the left edge";
  EXPECT_TRUE(button->UnderPointer(141, 120));
  EXPECT_FALSE(button->UnderPointer(160, 110)) << "on the top edge";
  EXPECT_TRUE(button->UnderPointer(160, 111));
  EXPECT_TRUE(button->UnderPointer(160.9f, 129.9f)) << "the pointer tip is cut to whole pixels";
}

TEST_F(MenuTest, ShuttingDownGlidesUpAndThenHidesTheMenu) {
  TMenue::InitMainMenue();
  Run(800);
  TMenue::ShutDown();
  EXPECT_TRUE(Menu().closing);
  Run(400);
  EXPECT_TRUE(Menu().shown);
  EXPECT_LT(Menu().y, 120);
  Run(410);
  EXPECT_FALSE(Menu().shown);
  EXPECT_TRUE(Menu().buttons.Empty());
  EXPECT_FLOAT_EQ(Menu().y, -105);
  EXPECT_EQ(Run(kFrameMs), "") << "a hidden menu returns nothing";
}

TEST_F(MenuTest, SwitchingMenusTurnsTheUpwardGlideIntoOneToTheNewPlace) {
  TMenue::InitMainMenue();
  Run(800);
  TMenue::ShutDown();
  Run(200);
  const float x = Menu().x, y = Menu().y;
  TMenue::InitHighscoreMenue();
  EXPECT_FALSE(Menu().closing);
  EXPECT_THAT(Commands(), ElementsAre("start_game", "main")) << "the buttons are replaced at once";
  EXPECT_FLOAT_EQ(Menu().startX, x);
  EXPECT_FLOAT_EQ(Menu().startY, y);
  Run(800);
  EXPECT_TRUE(Menu().shown);
  EXPECT_FLOAT_EQ(Menu().x, 105);
}

TEST_F(MenuTest, DrawingShowsTheSphereTheLitLabelAndThePointer) {
  TMenue::InitMainMenue();
  Run(800);
  const TMenuePtr start = FindMenuButton("start_game");
  CursorX = 300, CursorY = 10;
  Cls();
  TMenue::DrawAll();
  const auto spot = start->ClickSpot();
  ASSERT_TRUE(spot);
  const std::uint32_t dark = ScreenRGB(spot->first, spot->second);
  EXPECT_NE(ScreenRGB(160, 120), 0u) << "the sphere";
  EXPECT_NE(ScreenRGB(304, 14), 0u) << "the menu pointer";
  PointAt(start);
  Run(500);
  Cls();
  TMenue::DrawAll();
  CursorX = 300, CursorY = 10;
  const std::uint32_t lit = ScreenRGB(spot->first + 1, spot->second + 1);
  EXPECT_GT(lit & 0xFF, dark & 0xFF) << "the label glows where the sphere was dark";
  TMenue::ShutDown();
  Cls();
  TMenue::DrawAll();
  EXPECT_EQ(ScreenRGB(304, 14), 0u) << "no pointer while the menu glides away";
}

}  // namespace
}  // namespace tolvex
