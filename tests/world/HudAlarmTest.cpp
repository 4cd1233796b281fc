// The rocket and low-HP alarms: when they are on, how long they hold, and their sounds.
#include <SDL_mixer.h>

#include <cmath>

#include "HudFixture.h"
#include "core/ShellSounds.h"
#include "platform/Clock.h"
#include "support/SilentSound.h"
#include "weapons/TRocket.h"

namespace tolvex {
namespace {

class HudAlarmTest : public HudTest {
 protected:
  void TearDown() override {
    UseSteppedClock(0);
    Sounds() = ShellSounds{};
    CloseAudio();
    HudTest::TearDown();
  }
  // The platform clock reads `ms` until the next call.
  static void SetClock(int ms) {
    UseSteppedClock(ms);
    AdvanceClock();
  }
  bool RocketAlarmAt(int ms, int rocketFrames) {
    SetClock(ms);
    player_->Rocketcounter = rocketFrames;
    BeginHudFrame(rocketFrames);
    player_->CheckAndDrawRocketAlarm(kW / 2.0f, kH / 2.0f);
    return HudShown().rocketAlarm;
  }
  bool HpAlarm() {
    BeginHudFrame(0);
    player_->CheckAndDrawHpAlarm();
    return HudShown().hpAlarm;
  }
};

TEST_F(HudAlarmTest, LowHpAlarmFromThirtyPercentDown) {
  player_->HP_max = 150;
  player_->HP = 0.3f * 150;
  EXPECT_TRUE(HpAlarm());
  const HudTextLine* text = Text("!!! HP Level Low !!!");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->color, 0xFFFF64);
  EXPECT_FLOAT_EQ(text->y, 50);
  EXPECT_FLOAT_EQ(text->x, (kW - 1.5f * TextWidth("!!! HP Level Low !!!")) / 2);
  player_->HP = std::nextafter(0.3f * 150, 1000.0f);
  EXPECT_FALSE(HpAlarm());
  EXPECT_EQ(Text("!!!"), nullptr);
}

TEST_F(HudAlarmTest, RocketAlarmHolds500MsAfterTheLastHomingFrame) {
  EXPECT_FALSE(RocketAlarmAt(0, 0)) << "no rocket seen yet: no alarm, however early the clock";
  EXPECT_TRUE(RocketAlarmAt(0, 1)) << "one seen at the clock's very start counts";
  EXPECT_FALSE(RocketAlarmAt(500, 0));
  EXPECT_TRUE(RocketAlarmAt(10000, 3));
  const HudTextLine* text = Text("!!! ROCKETALARM !!! incoming: 3");
  ASSERT_NE(text, nullptr);
  EXPECT_FLOAT_EQ(text->y, 70);
  EXPECT_FLOAT_EQ(text->x, (kW - 1.5f * TextWidth("!!! ROCKETALARM !!! incoming: ")) / 2);
  EXPECT_TRUE(RocketAlarmAt(10499, 0));
  EXPECT_FALSE(RocketAlarmAt(10500, 0));
  EXPECT_TRUE(RocketAlarmAt(20000, 1)) << "a new rocket turns it on again";
}

TEST_F(HudAlarmTest, SignsPointAtEveryRocketHomingOnTheShip) {
  KeepOnly(&HudImageSet::rocketAlarmSign);
  for (const float bearing : {90.0f, 180.0f}) {
    auto rocket = std::make_shared<TRocket>();
    rocket->X = 400 * SinDeg(bearing), rocket->Y = -400 * CosDeg(bearing);
    rocket->Target = player_;
    rocket->MeltWithUniverse();
  }
  auto elsewhere = std::make_shared<TRocket>();
  elsewhere->X = -400;
  elsewhere->MeltWithUniverse();
  player_->RocketAlarmRenew = 0.4f;  // the signs blink at (0.4 mod 0.5) × 2 = 0.8
  RocketAlarmAt(10000, 2);
  const Pixmap screen = Screen();
  EXPECT_GT(CountNear(screen, kW / 2 + 150, kH / 2, 6), 10) << "right";
  EXPECT_GT(CountNear(screen, kW / 2, kH / 2 + 150, 6), 10) << "below";
  EXPECT_EQ(CountNear(screen, kW / 2 - 150, kH / 2, 6), 0) << "a rocket after someone else";
  EXPECT_EQ(CountNear(screen, kW / 2, kH / 2 - 150, 6), 0);
}

TEST_F(HudAlarmTest, EachAlarmSoundRestartsOnlyWhenItsOwnSoundHasFinished) {
  if (!OpenAudio()) GTEST_SKIP() << "no audio device, not even a silent one";
  Sounds().rocketAlarm = test::SilentSound("alarm.wav");
  Sounds().hpAlarm = Sounds().rocketAlarm;
  const SoundPtr shot = test::SilentSound("shot.wav");
  ASSERT_TRUE(Sounds().rocketAlarm && shot);
  SfxVolume = 0.25f;
  player_->HP = 10;
  struct Alarm {
    Channel& channel;
    float& renew;
    std::function<void()> step;
  };
  for (const Alarm& alarm :
       {Alarm{player_->HUD_Alarmchannel, player_->RocketAlarmRenew, [&] { RocketAlarmAt(10000, 1); }},
        Alarm{player_->HUD_Alarmchannel2, player_->HPAlarmRenew, [&] { HpAlarm(); }}}) {
    alarm.step();
    const Channel first = alarm.channel;
    ASSERT_GE(first, 0);
    EXPECT_TRUE(IsChannelPlaying(first));
    EXPECT_EQ(Mix_Volume(first, -1), MIX_MAX_VOLUME / 2) << "twice the effect volume";
    EXPECT_FLOAT_EQ(alarm.renew, 1);
    alarm.step();
    EXPECT_EQ(alarm.channel, first) << "still playing: not restarted";
    EXPECT_FLOAT_EQ(alarm.renew, 1 - 1.2f / FrameRate) << "the text fades meanwhile";
    Mix_HaltChannel(first);
    // A shot somewhere in the fight starts on a free channel as the alarm ends.
    const Channel other = PlaySound(shot);
    ASSERT_GE(other, 0);
    alarm.step();
    EXPECT_NE(alarm.channel, other) << "the shot's channel is not the alarm's";
    EXPECT_TRUE(IsChannelPlaying(alarm.channel)) << "finished: started again";
    EXPECT_FLOAT_EQ(alarm.renew, 1) << "and the text flashes up with it";
  }
}

TEST_F(HudAlarmTest, TheAlarmTextsShineAsBrightlyAsTheirRenewalSays) {
  player_->HP = 10;
  struct Alarm {
    float& renew;
    std::function<void()> step;
  };
  for (const Alarm& alarm : {Alarm{player_->RocketAlarmRenew, [&] { RocketAlarmAt(10000, 1); }},
                             Alarm{player_->HPAlarmRenew, [&] { HpAlarm(); }}}) {
    std::vector<double> light;
    for (const float renew : {1.0f, 0.5f, 0.25f}) {
      Cls();
      alarm.renew = renew;
      alarm.step();
      const Pixmap screen = Screen();
      double sum = 0;
      for (const std::uint32_t p : screen.pixels) sum += Red(p) + Green(p) + Blue(p);
      light.push_back(sum);
    }
    ASSERT_GT(light[0], 0);
    EXPECT_NEAR(light[1] / light[0], 0.5, 0.03);
    EXPECT_NEAR(light[2] / light[0], 0.25, 0.03);
  }
}

TEST_F(HudAlarmTest, WithoutSoundTheTextFlashesAgainOnceFaded) {
  player_->HP = 10;
  SetFrame(100);
  std::vector<float> renew;
  for (int i = 0; i < 10; ++i) {
    HpAlarm();
    renew.push_back(player_->HPAlarmRenew);
  }
  EXPECT_EQ(player_->HUD_Alarmchannel2, -1);
  EXPECT_FLOAT_EQ(renew[0], 1);
  EXPECT_NEAR(renew[1], 0.88f, 1e-5);
  EXPECT_NEAR(renew[8], 0.04f, 1e-5);
  EXPECT_FLOAT_EQ(renew[9], 1) << "faded out, it flashes up again";
}

}  // namespace
}  // namespace tolvex
