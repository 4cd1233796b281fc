#pragma once
// A fresh game world for ship tests: shell globals reset, an empty universe, no input,
// no messages, and a clock the test advances frame by frame.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "WorldCleanup.h"
#include "core/Globals.h"
#include "effects/TBGObject.h"
#include "platform/Input.h"
#include "support/TempFolder.h"
#include "ui/TMessage.h"
#include "world/TShip.h"
#include "world/TUniverse.h"

namespace tolvex {

class ShipWorldTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetShellGlobals();
    ResetInput();
    Universe = std::make_unique<TUniverse>();
    TMessage::Init();
    TBGObject::ResetList();
    PlayerIdleTime = 0;
    FrameClock = 100000;
    SetFrame(10);
    // Anything a dying player writes lands in a folder of its own.
    folder_ = std::make_unique<test::TempFolder>(test::TempFolder::Enter::Yes);
  }

  void TearDown() override {
    ForgetShipReferences();
    TUniverse::WorldList().Clear();
    Player.reset();
    CameraTarget.reset();
    MessageList.Clear();
    TBGObject::ResetList();
    ResetInput();
    folder_.reset();
  }

 public:
  static void SetFrame(int ms) {
    FrameTime = ms;
    FrameRate = 1000.0f / static_cast<float>(ms);
  }

  // One frame of the world's Process pass.
  static void Tick(int ms) {
    SetFrame(ms);
    FrameClock += ms;
    Universe->Process();
  }

  // A ship in the world with the given build and controller, 100 HP.
  static TShipPtr MakeShip(float mass, float power, float speed, std::uint8_t ki, float x = 0, float y = 0) {
    TShipPtr ship = TShip::New();
    ship->Mass = mass;
    ship->SetEngine(power, speed);
    ship->HP = ship->HP_max = 100;
    ship->KI = ki;
    ship->X = x;
    ship->Y = y;
    return ship;
  }

  // The player's ship, also set as Player.
  static TShipPtr MakePlayer(float x = 0, float y = 0) {
    Player = MakeShip(50, 15, 16, kKIPlayer, x, y);
    return Player;
  }

  static std::vector<std::string> Messages() {
    std::vector<std::string> texts;
    for (const auto& message : MessageList) texts.push_back(message->content);
    return texts;
  }

  static int MessageColor(const std::string& text) {
    for (const auto& message : MessageList)
      if (message->content == text) return message->color;
    return -1;
  }

  static bool InWorld(const TShipPtr& ship) {
    for (const auto& object : TUniverse::WorldList())
      if (object == ship) return true;
    return false;
  }

 private:
  std::unique_ptr<test::TempFolder> folder_;
};

}  // namespace tolvex
