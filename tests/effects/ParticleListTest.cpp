// The particle list: order, the walking rules, counts and when removed particles are let go.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "effects/ParticleList.h"
#include "effects/TParticle.h"

namespace tolvex::test {
namespace {

class ParticleListTest : public ::testing::Test {
 protected:
  // Appends n particles whose first coordinate numbers them from `first` on.
  void Append(int n, int first = 0) {
    for (int i = 0; i < n; ++i) {
      auto particle = std::make_shared<TParticle>();
      particle->Pos[0] = static_cast<float>(first + i);
      list.AddLast(particle);
      made.push_back(particle);
    }
  }

  // The numbers of the particles a walk visits, in order.
  template <class Then>
  std::vector<int> Walk(Then then) {
    std::vector<int> seen;
    list.Walk([&](TParticle& particle) {
      seen.push_back(static_cast<int>(particle.Pos[0]));
      then(particle);
    });
    return seen;
  }

  // The linked particles, held.
  std::vector<std::shared_ptr<TParticle>> Held() const {
    std::vector<std::shared_ptr<TParticle>> held;
    for (const auto& particle : list) held.push_back(particle);
    return held;
  }

  // The numbers a read-only walk sees.
  std::vector<int> Listed() const {
    std::vector<int> seen;
    for (const auto& particle : list) seen.push_back(static_cast<int>(particle->Pos[0]));
    return seen;
  }

  ParticleList list;
  std::vector<std::weak_ptr<TParticle>> made;
};

TEST_F(ParticleListTest, WalksInTheOrderParticlesWereAdded) {
  Append(5);
  EXPECT_EQ(Walk([](TParticle&) {}), (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(list.Count(), 5u);
  EXPECT_EQ(list.First()->Pos[0], 0);
  EXPECT_EQ(list.Last()->Pos[0], 4);
}

TEST_F(ParticleListTest, AnEmptyListHasNoEnds) {
  EXPECT_EQ(list.First(), nullptr);
  EXPECT_EQ(list.Last(), nullptr);
  Append(1);
  list.First()->Link.Remove();
  EXPECT_EQ(list.First(), nullptr);
  EXPECT_EQ(list.Last(), nullptr);
  EXPECT_EQ(list.Count(), 0u);
}

TEST_F(ParticleListTest, ParticlesAddedDuringAWalkAreReachedInTheSameWalk) {
  Append(3);
  // Each of the first three appends forty more: enough to move the array several times.
  int next = 100;
  const auto seen = Walk([&](TParticle& particle) {
    if (particle.Pos[0] < 3) Append(40, next), next += 40;
  });
  EXPECT_EQ(seen.size(), 3u + 120u);
  EXPECT_EQ(seen.back(), 219);
  EXPECT_EQ(list.Count(), 123u);
}

TEST_F(ParticleListTest, AParticleRemovingItselfDoesNotDisturbTheWalk) {
  Append(6);
  const auto seen = Walk([](TParticle& particle) {
    if (static_cast<int>(particle.Pos[0]) % 2 == 0) particle.Link.Remove();
  });
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(Listed(), (std::vector<int>{1, 3, 5}));
  EXPECT_EQ(list.Count(), 3u);
}

TEST_F(ParticleListTest, AParticleRemovedBeforeTheWalkReachesItIsSkipped) {
  Append(5);
  const auto all = Held();
  const auto seen = Walk([&](TParticle& particle) {
    if (particle.Pos[0] == 1) all[3]->Link.Remove();
  });
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 4}));
}

TEST_F(ParticleListTest, RemovedParticlesLiveUntilTheWalkEnds) {
  Append(3);
  bool aliveDuringWalk = true;
  Walk([&](TParticle& particle) {
    particle.Link.Remove();
    // Every particle visited so far, removed, must still be there for the walk.
    for (const auto& weak : made) aliveDuringWalk = aliveDuringWalk && !weak.expired();
  });
  EXPECT_TRUE(aliveDuringWalk);
  for (const auto& weak : made) EXPECT_TRUE(weak.expired());
  EXPECT_EQ(list.Count(), 0u);
}

TEST_F(ParticleListTest, RemovingTwiceCountsOnce) {
  Append(2);
  const auto first = list.First();
  first->Link.Remove();
  first->Link.Remove();
  EXPECT_FALSE(first->Link.Linked());
  EXPECT_EQ(list.Count(), 1u);
  EXPECT_EQ(Listed(), (std::vector<int>{1}));
}

TEST_F(ParticleListTest, ParticlesRemovedOutsideWalksAreLetGoAsTheListGrows) {
  Append(4);
  for (const auto& particle : Held()) particle->Link.Remove();
  Append(1, 10);
  // Four removed against one linked: their slots are dropped and nothing holds them any more.
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(made[static_cast<std::size_t>(i)].expired()) << i;
  EXPECT_EQ(Listed(), (std::vector<int>{10}));
}

TEST_F(ParticleListTest, ParticlesOutlivingTheListAreUnlinked) {
  std::shared_ptr<TParticle> kept;
  {
    ParticleList shortLived;
    kept = std::make_shared<TParticle>();
    shortLived.AddLast(kept);
  }
  EXPECT_FALSE(kept->Link.Linked());
  kept->Link.Remove();  // must not reach the list that is gone
}

}  // namespace
}  // namespace tolvex::test
