// The HUD's texts: what the player reads, where and in which colour.
#include <nlohmann/json.hpp>

#include "HudFixture.h"
#include "platform/Diagnostics.h"
#include "core/StageLink.h"

namespace tolvex {
namespace {

using HudTextTest = HudTest;

void ExpectLine(const std::string& text, float x, float y, int color) {
  const HudTextLine* line = HudTest::Text(text);
  ASSERT_NE(line, nullptr) << text;
  EXPECT_EQ(line->text, text);
  EXPECT_FLOAT_EQ(line->x, x) << text;
  EXPECT_FLOAT_EQ(line->y, y) << text;
  EXPECT_EQ(line->color, color) << text;
}

// A running stage as the ships see it: only its name.
struct NamedStage : StageLink {
  std::string name;
  explicit NamedStage(std::string stageName) : name(std::move(stageName)) {}
  const std::string& StageName() const override { return name; }
  void TellConditions(std::string_view) override {}
};

TEST_F(HudTextTest, StatusLinesDownTheLeftEdgeMoveUpWhenTheSelectorIsOff) {
  const auto stage = std::make_shared<NamedStage>("Test Stage");
  SetRunningStage(stage);
  player_->Kills = 7;
  player_->Points = 1234.9f;
  player_->RocketAutoSelectHudtext = "Small Ship Fire:OK";
  player_->birthtime = FrameClock - 65999;
  player_->DrawHUD();
  ExpectLine("Test Stage", 10, 20, 0xFFFFFF);
  ExpectLine("Kills: 7", 10, 50, 0xFF6432);
  ExpectLine("Points: 1234", 10, 65, 0x3264FF);
  ExpectLine("RakAutoSelect: On  [R] ", 10, 80, 0x64FF64);
  ExpectLine("Small Ship Fire:OK", 10, 95, 0x64FF64);
  ExpectLine("AutoAim Helpsystem: Off [T]", 10, 110, 0xFF6464);
  ExpectLine("Time:65", 10, 125, 0xF0F0C8);
  EXPECT_EQ(HudShown().texts[0].text, "Test Stage") << "the stage name comes first";

  player_->RocketAutoSelectComp = false;
  player_->AimHelp = true;
  player_->HP = 20;  // low hit points turn the stage name yellow
  player_->DrawHUD();
  ExpectLine("Test Stage", 10, 20, 0xFFFF64);
  ExpectLine("RakAutoSelect: Off [R]", 10, 80, 0xFF6464);
  ExpectLine("AutoAim Helpsystem: On [T]", 10, 95, 0x64FF64);
  ExpectLine("Time:65", 10, 110, 0xF0F0C8);
  SetRunningStage(nullptr);
}

TEST_F(HudTextTest, TargetAndWingmanPanelsAtTheBottomCorners) {
  const TShipPtr target = MakeShip(50, 15, 16, kKIEnemy, 1000.6f, 0);
  target->Name = "Bat";
  target->Kills = 3;
  target->HP = 80.7f;
  target->armor = 2;
  target->Speed = 6.9f;
  player_->KI_target = target;
  const TShipPtr buddy = MakeShip(50, 15, 16, kKIBuddy, 0, 2500.5f);
  buddy->Name = "Tiger X";
  buddy->Kills = 2;
  buddy->HP = 55.5f;
  buddy->Speed = 3.2f;
  player_->AddBuddy(buddy);
  player_->DrawHUD();
  ExpectLine("Target <+Bat+> [3]", 10, kH - 60, 0xFFFFFF);
  ExpectLine("HP: 80 | 2.0", 10, kH - 45, 0xFFFFFF);
  ExpectLine("Speed: 6", 10, kH - 30, 0xFFFFFF);
  ExpectLine("Distance: 1000", 10, kH - 15, 0xFFFFFF);
  ExpectLine("Buddy <+Tiger X+> [2]", kW - 200, kH - 60, 0xFFFFFF);
  ExpectLine("HP: 55", kW - 200, kH - 45, 0xFFFFFF);
  ExpectLine("Speed: 3", kW - 200, kH - 30, 0xFFFFFF);
  ExpectLine("Distance: 2500.5", kW - 200, kH - 15, 0xFFFFFF);

  // Without a target the wingman's panel stands alone; a dead target shows nothing either.
  target->Dead = 1;
  player_->DrawHUD();
  EXPECT_EQ(Text("Target"), nullptr);
  EXPECT_NE(Text("Buddy <+Tiger X+>"), nullptr);
  player_->KI_target.reset();
  player_->BuddyList.Clear();
  player_->DrawHUD();
  EXPECT_EQ(Text("Target"), nullptr);
  EXPECT_EQ(Text("Buddy"), nullptr);
}

TEST_F(HudTextTest, GaugeNumbersAndBonusTimers) {
  player_->Speed = 20.7f;
  player_->HP = 45.2f;
  player_->BONUS_Doubledamage = 12001;
  player_->BONUS_Shield = 500;
  player_->DrawHUD();
  // The digits here are 10 px wide: "20" is centred 115 px left of the middle, and the hit points
  // show rounded up but centred as if cut down.
  ExpectLine("20", kW / 2 - 115 - 10, kH - 172, 0x6464FF);
  ExpectLine("46", kW / 2 + 115 - 10, kH - 172, 0x64FF64);
  ExpectLine("DoubleDamage: 13", kW - 200, 10, 0xFF0000);
  ExpectLine("Shield: 1", kW - 200, 30, 0x0000FF);
  player_->BONUS_Doubledamage = 0;
  player_->DrawHUD();
  EXPECT_EQ(Text("DoubleDamage"), nullptr);
  ExpectLine("Shield: 1", kW - 200, 10, 0x0000FF);
}

TEST_F(HudTextTest, NumbersAsTheHudWritesThem) {
  EXPECT_EQ(IntText(80.99f), "80");
  EXPECT_EQ(IntText(-0.5f), "0");
  EXPECT_EQ(IntText(1e30f), "0");
  EXPECT_EQ(DecimalText(2.0f), "2.0");
  EXPECT_EQ(DecimalText(0.75f), "0.75");
  EXPECT_EQ(DecimalText(6012.3457f), "6012.3457");
}

TEST_F(HudTextTest, DumpShowsTheFrameJustDrawnAndNullOtherwise) {
  player_->Rocketcounter = 4;
  player_->HP = 10;
  player_->DrawHUD();
  nlohmann::json dump;
  DumpHud(dump);
  EXPECT_EQ(dump["hud"]["Rocketcounter"], 4);
  EXPECT_EQ(dump["hud"]["hpAlarm"], true);
  EXPECT_FLOAT_EQ(dump["hud"]["hpGauge"].get<float>(), 0.1f);
  EXPECT_EQ(dump["hud"]["rocketAlarm"], true);
  EXPECT_EQ(dump["hud"]["texts"][0]["text"], "!!! ROCKETALARM !!! incoming: 4");
  EXPECT_EQ(dump["hud"]["texts"][1]["text"], "!!! HP Level Low !!!");
  EXPECT_EQ(player_->Rocketcounter, 0) << "the HUD starts counting anew";
  FrameClock += 16;
  DumpHud(dump);
  EXPECT_TRUE(dump["hud"].is_null());
}

TEST_F(HudTextTest, DebugLinesGoDownFrom200) {
  DebugHudLines = {"one", "two"};
  SelectFont(GameFont);
  player_->DebugHUD();
  const Pixmap screen = Screen();
  EXPECT_GT(Count(screen, 10, 200, 40, 215), 0);
  EXPECT_GT(Count(screen, 10, 218, 40, 233), 0);
  EXPECT_EQ(Count(screen, 10, 236, 40, 260), 0);
  // Outside the debug log nothing is added.
  if (DebugLogOn()) return;
  player_->DebugHUDAdd("three");
  EXPECT_EQ(DebugHudLines.size(), 2u);
}

}  // namespace
}  // namespace tolvex
