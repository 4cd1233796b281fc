// The game's music engine on SDL2_mixer, on the dummy sound device: it streams an Ogg file,
// reports when the song is over, sets its volume, and refuses files it cannot play.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <thread>

#include "musicgen/Envelope.h"
#include "musicgen/OggVorbisFile.h"
#include "platform/MusicEngine.h"
#include "platform/Sound.h"
#include "support/TempFolder.h"

namespace tolvex {
namespace {

class MusicEngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A short tone, a fifth of a second.
    music::Stereo tone(music::framesOf(0.2));
    for (std::size_t i = 0; i < tone.frames(); ++i) {
      tone.left[i] = tone.right[i] = 0.3f * static_cast<float>(std::sin(i * 0.06));
    }
    ASSERT_TRUE(music::writeOggVorbis(folder_.Path() / "tone.ogg", tone, "Tone", 7));
    std::ofstream(folder_.Path() / "broken.ogg", std::ios::binary) << "OggS but nothing after it that a decoder wants";
  }
  void TearDown() override { CloseAudio(); }
  // The game writes paths with "\".
  std::string GamePath(const std::string& name) const { return folder_.Path().string() + "\\" + name; }

  static bool FinishesWithin(const MusicSound& sound, double seconds) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!sound.IsFinished()) {
      if (std::chrono::steady_clock::now() > until) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
  }

 private:
  test::TempFolder folder_;
};

TEST_F(MusicEngineTest, ThereIsNoEngineWithoutASoundDevice) { EXPECT_EQ(CreateMusicEngine(), nullptr); }

TEST_F(MusicEngineTest, PlaysASongToItsEnd) {
  ASSERT_TRUE(OpenAudio());
  MusicEnginePtr engine = CreateMusicEngine();
  ASSERT_TRUE(engine);
  MusicSoundPtr sound = engine->Play2D(GamePath("tone.ogg"));
  ASSERT_TRUE(sound);
  EXPECT_FALSE(sound->IsFinished());
  EXPECT_TRUE(FinishesWithin(*sound, 5.0));
}

TEST_F(MusicEngineTest, SetsTheVolumeOfThePlayingSongOnly) {
  ASSERT_TRUE(OpenAudio());
  MusicEnginePtr engine = CreateMusicEngine();
  MusicSoundPtr first = engine->Play2D(GamePath("tone.ogg"));
  ASSERT_TRUE(first);
  first->SetVolume(0.5f);
  EXPECT_EQ(Mix_VolumeMusic(-1), 64);
  first->SetVolume(3.0f);
  EXPECT_EQ(Mix_VolumeMusic(-1), MIX_MAX_VOLUME) << "held at full";
  first->SetVolume(std::numeric_limits<float>::quiet_NaN());
  EXPECT_EQ(Mix_VolumeMusic(-1), 0) << "not a number is silence";
  MusicSoundPtr second = engine->Play2D(GamePath("tone.ogg"));
  ASSERT_TRUE(second);
  EXPECT_TRUE(first->IsFinished()) << "the next song takes the stream";
  first->SetVolume(0.25f);
  second->SetVolume(1.0f);
  EXPECT_EQ(Mix_VolumeMusic(-1), MIX_MAX_VOLUME);
}

TEST_F(MusicEngineTest, RefusesFilesItCannotPlay) {
  ASSERT_TRUE(OpenAudio());
  MusicEnginePtr engine = CreateMusicEngine();
  ASSERT_TRUE(engine);
  EXPECT_EQ(engine->Play2D(GamePath("broken.ogg")), nullptr);
  EXPECT_EQ(engine->Play2D(GamePath("missing.ogg")), nullptr);
}

}  // namespace
}  // namespace tolvex
