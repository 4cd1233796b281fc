// The player's keys and buttons: toggles, rocket choice, target drop, Escape, cheats, idle punishment.
#include "platform/Keys.h"
#include "weapons/TRocket.h"
#include "ShipWorldFixture.h"

namespace tolvex {
namespace {

using PlayerControls = ShipWorldTest;

void Press(int key) {
  FeedKey(key, true);
  FeedKey(key, false);
}

int RocketsAimedAt(const TShipPtr& target) {
  int count = 0;
  for (const auto& object : TUniverse::WorldList()) {
    if (object->Kind() != ObjectKind::Rocket) continue;
    if (static_cast<TRocket&>(*object).Target == target) ++count;
  }
  return count;
}

TEST_F(PlayerControls, NumberKeysSelectTheRocketType) {
  TShipPtr player = MakePlayer();
  player->RocketAutoSelectComp = false;
  Press(KEY_0 + 3);
  Tick(10);
  EXPECT_EQ(player->SelectedRockets, 2);
  Press(KEY_0 + 1);
  Tick(10);
  EXPECT_EQ(player->SelectedRockets, 0);
}

TEST_F(PlayerControls, RAndTToggleAutoSelectAndAimHelp) {
  TShipPtr player = MakePlayer();
  Press(LetterKey('R'));
  Press(LetterKey('T'));
  Tick(10);
  EXPECT_FALSE(player->RocketAutoSelectComp);
  EXPECT_TRUE(player->AimHelp);
  Press(LetterKey('R'));
  Tick(10);
  EXPECT_TRUE(player->RocketAutoSelectComp);
}

TEST_F(PlayerControls, CDropsTheTargetAndTheNearestIsChosenNextFrame) {
  TShipPtr player = MakePlayer();
  TShipPtr near = MakeShip(50, 15, 16, kKIEnemy, 100, 0);
  TShipPtr far = MakeShip(50, 15, 16, kKIEnemy, 900, 0);
  player->KI_target = far;
  Press(LetterKey('C'));
  player->Steering();
  EXPECT_EQ(player->KI_target, nullptr);
  player->Steering();
  EXPECT_EQ(player->KI_target, near);
}

TEST_F(PlayerControls, EscapeDestroysTheShipAndEndsTheGameAtOnce) {
  GameState = kStateGame;
  TShipPtr player = MakePlayer();
  Press(KEY_ESCAPE);
  Tick(10);
  EXPECT_EQ(player->HP, -1.0f);
  EXPECT_TRUE(player->Dead);
  EXPECT_FALSE(InWorld(player));
  EXPECT_EQ(GameState, kStateHighscore);
}

TEST_F(PlayerControls, EscapeNeverRaisesHitPoints) {
  GameState = kStateGame;
  TShipPtr player = MakePlayer();
  player->HP = -5;  // a hit after the player's own step last frame
  Press(KEY_ESCAPE);
  player->Steering();
  EXPECT_EQ(player->HP, -5.0f) << "a ship already below 0 is not revived";
  EXPECT_TRUE(player->Dead);
  EXPECT_EQ(GameState, kStateHighscore);

  TShipPtr second = MakePlayer();
  second->HP = 0.25f;
  Press(KEY_ESCAPE);
  second->Steering();
  EXPECT_EQ(second->HP, -1.0f);
}

TEST_F(PlayerControls, CheatKeysNeedLeftControlAndMarkTheGame) {
  TShipPtr player = MakePlayer();
  Press(LetterKey('F'));
  Tick(10);
  EXPECT_EQ(player->BONUS_Shield, 0);
  EXPECT_EQ(CheatUsed, 0);

  FeedKey(KEY_LCONTROL, true);
  Press(LetterKey('F'));
  Tick(10);
  EXPECT_EQ(player->BONUS_Shield, 30000 - 10);
  EXPECT_EQ(CheatUsed, 1);
  EXPECT_EQ(Messages(), std::vector<std::string>{"Cheat: Shield"});
  EXPECT_EQ(MessageColor("Cheat: Shield"), 0xA700EA);
}

TEST_F(PlayerControls, TheFirstCheatKeyInOrderWinsTheFrame) {
  TShipPtr player = MakePlayer();
  FeedKey(KEY_LCONTROL, true);
  Press(LetterKey('F'));
  Press(LetterKey('D'));
  Tick(10);
  EXPECT_GT(player->BONUS_Doubledamage, 0);
  EXPECT_EQ(player->BONUS_Shield, 0);
  Tick(10);
  EXPECT_EQ(player->BONUS_Shield, 0) << "the shield key was used up in the frame it lost";
  EXPECT_EQ(Messages(), std::vector<std::string>{"Cheat: Double Damage"});
}

TEST_F(PlayerControls, AStrafeWithDLongBeforeLeftControlFiresNoCheat) {
  TShipPtr player = MakePlayer();
  FeedKey(LetterKey('D'), true);
  for (int i = 0; i < 20; ++i) Tick(10);
  FeedKey(LetterKey('D'), false);
  Press(LetterKey('F'));
  Tick(10);
  FeedKey(KEY_LCONTROL, true);
  for (int i = 0; i < 5; ++i) Tick(10);
  EXPECT_EQ(player->BONUS_Doubledamage, 0);
  EXPECT_EQ(player->BONUS_Shield, 0);
  EXPECT_EQ(CheatUsed, 0);
  EXPECT_TRUE(Messages().empty());
  Press(LetterKey('D'));
  Tick(10);
  EXPECT_EQ(Messages(), std::vector<std::string>{"Cheat: Double Damage"}) << "a press made with Left Ctrl held still counts";
  EXPECT_EQ(CheatUsed, 1);
}

TEST_F(PlayerControls, RocketmanFillsEveryRocketTypeAndCowardsSendEnemiesAway) {
  TShipPtr player = MakePlayer();
  TShipPtr enemy = MakeShip(50, 15, 16, kKIEnemy, 3000, 0);
  TShipPtr buddy = MakeShip(50, 15, 16, kKIBuddy, -3000, 0);
  player->AddBuddy(buddy);
  FeedKey(KEY_LCONTROL, true);
  Press(LetterKey('V'));
  Tick(10);
  EXPECT_EQ(player->Rockets, (std::array<int, 4>{5, 5, 5, 5}));
  Press(LetterKey('L'));
  Tick(10);
  EXPECT_TRUE(enemy->KI_Leave);
  EXPECT_FALSE(buddy->KI_Leave);
  Press(LetterKey('K'));
  Tick(10);
  EXPECT_EQ(player->Kills, 1);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Cheat: Rocketman!", "Cheat: Cowards!", "Cheat: AddKill!"}));
}

TEST_F(PlayerControls, StandingStillForFiveSecondsBringsRocketsFromEveryEnemy) {
  TShipPtr player = MakePlayer();
  TShipPtr enemy1 = MakeShip(50, 15, 16, kKIEnemy, 20000, 0);
  TShipPtr enemy2 = MakeShip(50, 15, 16, kKIEnemy, -20000, 0);
  TShipPtr buddy = MakeShip(50, 15, 16, kKIBuddy, 0, 20000);
  player->AddBuddy(buddy);
  for (int i = 0; i < 50; ++i) player->Steering();
  EXPECT_EQ(PlayerIdleTime, 500);
  SetFrame(100);
  for (int i = 0; i < 45; ++i) player->Steering();
  EXPECT_EQ(PlayerIdleTime, 5000);
  EXPECT_EQ(RocketsAimedAt(player), 0);
  player->Steering();
  EXPECT_EQ(RocketsAimedAt(player), 2) << "both enemies, not the buddy, and without stock";
  EXPECT_EQ(PlayerIdleTime, 0);
  EXPECT_EQ(enemy1->Rockets, (std::array<int, 4>{0, 0, 0, 0}));
}

TEST_F(PlayerControls, MovingResetsTheIdleTimer) {
  TShipPtr player = MakePlayer();
  SetFrame(100);
  for (int i = 0; i < 30; ++i) player->Steering();
  EXPECT_EQ(PlayerIdleTime, 3000);
  player->Speed_y = -10;
  player->Physics();
  player->Steering();
  EXPECT_EQ(PlayerIdleTime, 0);
}

TEST_F(PlayerControls, RightButtonFiresTheSelectedRocketAndEFiresTypeThree) {
  TShipPtr player = MakePlayer();
  player->RocketAutoSelectComp = false;
  player->Rockets = {2, 0, 0, 1};
  player->SelectedRockets = 0;
  ButtonsHit[1] = 1;  // what UpdateMouse reports for the frame
  player->Steering();
  ButtonsHit[1] = 0;
  EXPECT_EQ(player->Rockets[0], 1);
  Press(LetterKey('E'));
  player->Steering();
  EXPECT_EQ(player->Rockets[3], 0);
  Press(LetterKey('E'));
  player->Steering();
  EXPECT_EQ(player->Rockets[3], 0) << "no stock: nothing happens";
}

TEST_F(PlayerControls, BuddyRocketsAreCreditedToThePlayer) {
  TShipPtr player = MakePlayer();
  TShipPtr buddy = MakeShip(50, 15, 16, kKIBuddy, 500, 0);
  buddy->Rockets = {1, 0, 0, 0};
  buddy->FireRocketManually(0);
  std::shared_ptr<TShip> source;
  for (const auto& object : TUniverse::WorldList())
    if (object->Kind() == ObjectKind::Rocket) source = static_cast<TRocket&>(*object).Source;
  EXPECT_EQ(source, player);
  EXPECT_EQ(buddy->Rockets[0], 0);
}

}  // namespace
}  // namespace tolvex
