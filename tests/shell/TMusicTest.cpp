// The music playlist over a stand-in engine: which songs are chosen, the order they play in,
// titles, music switched off, and songs that will not play.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include <nlohmann/json.hpp>

#include "WorkingFolderTest.h"
#include "platform/Clock.h"
#include "platform/GameFolders.h"
#include "shell/TMusic.h"

namespace tolvex {
namespace {

// A song that plays until the test ends it.
class FakeSound : public MusicSound {
 public:
  bool IsFinished() const override { return finished; }
  void SetVolume(float v) override { volume = v; }
  bool finished = false;
  float volume = -1;
};

// Records every file it is asked to play; files named in `broken` do not play.
class FakeEngine : public MusicEngine {
 public:
  MusicSoundPtr Play2D(std::string_view path) override {
    played.emplace_back(path);
    if (broken.contains(std::string(path))) return nullptr;
    last = std::make_shared<FakeSound>();
    return last;
  }
  std::vector<std::string> played;
  std::set<std::string> broken;
  std::shared_ptr<FakeSound> last;
};

class TMusicTest : public test::WorkingFolderTest {
 protected:
  void SetUp() override {
    WorkingFolderTest::SetUp();
    TMusic::Reset();
    engine = std::make_shared<FakeEngine>();
    SoundEngine = engine;
    MusicVolume = 1.0f;
    SongNumber = 3;
    std::filesystem::create_directory(folder / "music");
  }
  void TearDown() override {
    TMusic::Reset();
    WorkingFolderTest::TearDown();
  }

  void AddSongs(std::initializer_list<const char*> names) const {
    for (const char* name : names) Write(std::string("music/") + name, "OggS");
  }
  std::vector<std::string> SongNames() const {
    std::vector<std::string> names;
    for (const TMusic& song : TMusic::SongList) names.push_back(song.name);
    return names;
  }
  // Plays `songs` songs one after another, each to its end; returns the titles in play order.
  std::vector<std::string> PlaySongs(int songs) const {
    std::vector<std::string> order;
    for (int i = 0; i < songs; ++i) {
      TMusic::Play();
      TMusic::Play();  // a second frame of the same song starts nothing
      order.push_back(TMusic::GetTitle());
      if (engine->last) engine->last->finished = true;
    }
    return order;
  }

  std::shared_ptr<FakeEngine> engine;
};

TEST_F(TMusicTest, FiveSongsAndThreeWantedGiveThreeDistinctSongsInListingOrder) {
  AddSongs({"a.ogg", "b.ogg", "c.ogg", "d.ogg", "e.ogg"});
  for (std::uint32_t seed = 1; seed <= 50; ++seed) {
    TMusic::Reset();
    SongNumber = 3;
    TMusic::Dice().Seed(seed);
    TMusic::Init();
    const auto names = SongNames();
    ASSERT_EQ(names.size(), 3u);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end())) << "listing order";
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), 3u) << "distinct";
    EXPECT_EQ(SongNumber, 3);
  }
}

TEST_F(TMusicTest, EarlierSongsAreLikelierToBeChosen) {
  AddSongs({"a.ogg", "b.ogg", "c.ogg", "d.ogg", "e.ogg"});
  std::map<std::string, int> chosen;
  for (std::uint32_t seed = 1; seed <= 400; ++seed) {
    TMusic::Reset();
    SongNumber = 2;
    TMusic::Dice().Seed(seed);
    TMusic::Init();
    for (const auto& name : SongNames()) ++chosen[name];
  }
  EXPECT_GT(chosen["a"], chosen["c"]);
  EXPECT_GT(chosen["c"], chosen["e"]);
  EXPECT_GT(chosen["e"], 0);
}

TEST_F(TMusicTest, ThreeSongsNeverPlayTheSameTwiceInARowAndAllGetTheirTurn) {
  AddSongs({"a.ogg", "b.ogg", "c.ogg", "d.ogg", "e.ogg"});
  TMusic::Init();
  const auto order = PlaySongs(300);
  for (std::size_t i = 1; i < order.size(); ++i) ASSERT_NE(order[i], order[i - 1]) << "at song " << i;
  const auto names = SongNames();
  EXPECT_EQ(std::set<std::string>(order.begin(), order.end()), std::set<std::string>(names.begin(), names.end()));
  EXPECT_EQ(engine->played.size(), 300u) << "one start per song, none while a song plays";
  EXPECT_EQ(engine->played.front(), "music\\" + order.front() + ".ogg");
}

TEST_F(TMusicTest, TheSongInitPickedIsSkippedFirst) {
  AddSongs({"a.ogg", "b.ogg", "c.ogg"});
  TMusic::Init();
  const std::string picked = TMusic::GetTitle();
  TMusic::Play();
  EXPECT_NE(TMusic::GetTitle(), picked);
}

TEST_F(TMusicTest, AnInstalledGamePlaysItsOwnSongsAndThePlayersAndThePlayersCopyWins) {
  UseGameFolders({(folder / "prefix").string() + "/", ""});
  for (const char* name : {"Nebula Run.ogg", "Red Giant.ogg"}) Write(std::string("prefix/music/") + name, "OggS");
  AddSongs({"Mine.ogg", "Red Giant.ogg"});
  SongNumber = 10;
  TMusic::Init();
  UseGameFolders({});
  std::vector<std::string> paths;
  for (const TMusic& song : TMusic::SongList) paths.push_back(song.path);
  EXPECT_EQ(SongNames(), (std::vector<std::string>{"Mine", "Nebula Run", "Red Giant"}));
  EXPECT_EQ(paths, (std::vector<std::string>{"music\\Mine.ogg", (folder / "prefix").string() + "/music\\Nebula Run.ogg",
                                             "music\\Red Giant.ogg"}));
}

TEST_F(TMusicTest, TwoSongsOfThreeWantedPlayAlternately) {
  AddSongs({"one.ogg", "two.ogg"});
  TMusic::Init();
  EXPECT_EQ(SongNumber, 2);
  EXPECT_EQ(SongNames(), (std::vector<std::string>{"one", "two"}));
  const auto order = PlaySongs(6);
  for (std::size_t i = 2; i < order.size(); ++i) EXPECT_EQ(order[i], order[i - 2]);
  EXPECT_NE(order[0], order[1]);
}

TEST_F(TMusicTest, OneSongPlaysOverAndOver) {
  AddSongs({"solo.ogg"});
  TMusic::Init();
  EXPECT_EQ(PlaySongs(3), (std::vector<std::string>{"solo", "solo", "solo"}));
}

TEST_F(TMusicTest, MusicVolumeZeroLoadsAndPlaysNothing) {
  AddSongs({"a.ogg", "b.ogg"});
  MusicVolume = 0;
  TMusic::Init();
  TMusic::Play();
  EXPECT_TRUE(TMusic::SongList.empty());
  EXPECT_TRUE(engine->played.empty());
  EXPECT_EQ(TMusic::GetTitle(), "music deactivated");
}

TEST_F(TMusicTest, TitlesDropTheExtensionAndOnlyLowerCaseOggFilesCount) {
  AddSongs({"Track 1.ogg", "A.OGG", "notes.txt", "Mix.Ogg", "two.dots.ogg"});
  std::filesystem::create_directory(folder / "music" / "folder.ogg");
  SongNumber = 10;
  TMusic::Init();
  EXPECT_EQ(SongNumber, 2);
  EXPECT_EQ(SongNames(), (std::vector<std::string>{"Track 1", "two.dots"}));
}

TEST_F(TMusicTest, NoSongsTurnTheMusicOffForTheRun) {
  AddSongs({"readme.txt"});
  TMusic::Init();
  EXPECT_EQ(SongNumber, 0);
  EXPECT_FALSE(TMusic::IsOn());
  EXPECT_EQ(TMusic::GetTitle(), "music deactivated");
  std::filesystem::remove_all(folder / "music");
  SongNumber = 3;
  TMusic::Init();
  EXPECT_EQ(SongNumber, 0) << "a missing folder is no songs";
}

TEST_F(TMusicTest, AHugeSongNumberTakesEverySong) {
  AddSongs({"a.ogg", "b.ogg"});
  SongNumber = 2147483647;
  TMusic::Init();
  EXPECT_EQ(SongNumber, 2);
  EXPECT_EQ(TMusic::SongList.size(), 2u);
}

TEST_F(TMusicTest, TheVolumeFollowsMusicVolumeEveryFrame) {
  AddSongs({"a.ogg", "b.ogg"});
  TMusic::Init();
  MusicVolume = 0.4f;
  TMusic::Play();
  EXPECT_FLOAT_EQ(engine->last->volume, 0.4f);
  MusicVolume = 0.9f;
  TMusic::Play();
  EXPECT_FLOAT_EQ(engine->last->volume, 0.9f);
}

TEST_F(TMusicTest, ASongThatWillNotPlayIsTriedOnceAndSkippedFromThenOn) {
  AddSongs({"a.ogg", "bad.ogg", "c.ogg"});
  engine->broken = {"music\\bad.ogg"};
  TMusic::Init();
  const auto order = PlaySongs(40);
  EXPECT_LE(std::count(engine->played.begin(), engine->played.end(), "music\\bad.ogg"), 1);
  EXPECT_EQ(std::count(order.begin(), order.end(), "bad"), 0);
  for (std::size_t i = 1; i < order.size(); ++i) {
    EXPECT_NE(order[i], order[i - 1]) << "the broken song in between does not let a song repeat";
  }
}

TEST_F(TMusicTest, WhenNoSongWillPlayTheEngineIsNotAskedAgain) {
  AddSongs({"x.ogg", "y.ogg"});
  engine->broken = {"music\\x.ogg", "music\\y.ogg"};
  TMusic::Init();
  for (int frame = 0; frame < 1000; ++frame) TMusic::Play();
  EXPECT_EQ(engine->played.size(), 2u) << "each broken file costs one try, not one per frame";
}

TEST_F(TMusicTest, TheLastGoodSongPlaysOnWhenTheOthersAreBroken) {
  AddSongs({"bad.ogg", "good.ogg"});
  engine->broken = {"music\\bad.ogg"};
  for (std::uint32_t seed : {1u, 2u, 3u, 4u}) {
    TMusic::Reset();
    SoundEngine = engine;
    engine->played.clear();
    TMusic::Dice().Seed(seed);
    TMusic::Init();
    EXPECT_EQ(PlaySongs(6), std::vector<std::string>(6, "good"));
    EXPECT_LE(std::count(engine->played.begin(), engine->played.end(), "music\\bad.ogg"), 1);
  }
}

TEST_F(TMusicTest, WithoutAnEngineThePlaylistStandsButNothingPlays) {
  AddSongs({"a.ogg", "b.ogg"});
  SoundEngine = nullptr;
  TMusic::Init();
  const std::string title = TMusic::GetTitle();
  for (int frame = 0; frame < 10; ++frame) TMusic::Play();
  EXPECT_EQ(TMusic::GetTitle(), title);
  EXPECT_EQ(TMusic::SongList.size(), 2u);
}

TEST_F(TMusicTest, TheSongChoiceLeavesTheGamesRandomSequenceAlone) {
  AddSongs({"a.ogg", "b.ogg", "c.ogg", "d.ogg"});
  SeedRandom(99);
  const int expected = RandomInt(0, 1'000'000);
  SeedRandom(99);
  TMusic::Init();
  PlaySongs(20);
  EXPECT_EQ(RandomInt(0, 1'000'000), expected);
}

TEST_F(TMusicTest, TheDumpShowsWhetherMusicIsOnTheSongsAndTheTitle) {
  AddSongs({"a.ogg", "b.ogg"});
  TMusic::Init();
  TMusic::Play();
  nlohmann::json dump;
  DumpMusic(dump);
  EXPECT_EQ(dump["music"]["on"], true);
  EXPECT_EQ(dump["music"]["songs"], nlohmann::json::array({"a", "b"}));
  EXPECT_EQ(dump["music"]["current"], TMusic::GetTitle());
  EXPECT_EQ(dump["music"]["playing"], true);
  engine->last->finished = true;
  DumpMusic(dump);
  EXPECT_EQ(dump["music"]["playing"], false);
  MusicVolume = 0;
  DumpMusic(dump);
  EXPECT_EQ(dump["music"]["on"], false);
  EXPECT_EQ(dump["music"]["current"], "music deactivated");
}

}  // namespace
}  // namespace tolvex
