// The effect table: every effect, in order, with its values and rules.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EffectsTestEnv.h"
#include "effects/ParticleEffects.h"
#include "effects/ParticleEngine.h"
#include "effects/TEmitterInfo.h"
#include "effects/TParticle.h"
#include "effects/TParticleInfo.h"

namespace tolvex::test {
namespace {

class ParticleEffectsTest : public EffectsTest {
 protected:
  void SetUp() override {
    EffectsTest::SetUp();
    SetParticleScreen(1280, 720);
    CreateParticleEffects();
  }

  // The rules of an effect as (from, to, number, emitted ID), in the order they run.
  struct RuleView {
    float from, to, number;
    std::string id;
    bool operator==(const RuleView&) const = default;
  };
  static std::vector<RuleView> Rules(const std::string& id) {
    std::vector<RuleView> rules;
    const auto info = TParticleInfo::Get(id);
    if (info && info->Emitter) {
      for (const auto& r : *info->Emitter) rules.push_back({r->When[0], r->When[1], r->Number, r->EmittParticle->ID});
    }
    return rules;
  }
};

TEST_F(ParticleEffectsTest, AllTwentyFiveEffectsAreRegistered) {
  const char* ids[] = {"RAntrieb1", "RAntrieb0", "RAntrieb3", "SchussExplosion1", "SchussExplosion1green",
                       "SchussExplosion1blue", "SchussExplosion1red", "SchussExplosion1violett",
                       "SchussExplosion2", "SchussExplosionLittlePlasma", "Feuer", "Rocket1ExplFeuer",
                       "FeuerStat", "FeuerPlasma", "Plasma", "Funken1", "LittleExplosion", "Truemmer1",
                       "Truemmer2", "Explosion", "Rocket1Explosion", "RocketPlasmaExpl", "ExplosionShipLittle",
                       "ExplosionShip", "ExplosionShipBig"};
  for (const char* id : ids) {
    const auto info = TParticleInfo::Get(id);
    ASSERT_NE(info, nullptr) << id;
    EXPECT_EQ(info->ID, id);
    EXPECT_EQ(info->Accelerate, 0);
    EXPECT_FALSE(info->ConnectedToPivot);
    EXPECT_EQ(info->EmittDirection, 0);
  }
  EXPECT_EQ(Particles().registry.size(), 25u);
  EXPECT_EQ(FxExplosionShipBig, TParticleInfo::Get("ExplosionShipBig"));
  EXPECT_EQ(FxFeuer, TParticleInfo::Get("Feuer"));
}

TEST_F(ParticleEffectsTest, MotionValuesOfTheTable) {
  EXPECT_EQ(FxRAntrieb3->LiveTime, (std::array<int, 2>{200, 300}));
  EXPECT_EQ(FxSchussExplosion1red->MoveSpeed, (std::array<float, 2>{100, 200}));
  EXPECT_EQ(FxFeuer->AngleSpeed, (std::array<float, 2>{-50, 50}));
  EXPECT_EQ(FxFeuerStat->AngleSpeed, (std::array<float, 2>{-5, 5}));
  EXPECT_EQ(FxFeuerStat->MoveSpeed, (std::array<float, 2>{20, 20}));
  EXPECT_EQ(FxRocket1ExplFeuer->MoveSpeed, (std::array<float, 2>{50, 100}));
  EXPECT_EQ(FxFunken1->LiveTime, (std::array<int, 2>{300, 600}));
  EXPECT_EQ(FxTruemmer1->MoveSpeed, (std::array<float, 2>{-200, 200}));
  EXPECT_EQ(FxTruemmer2->LiveTime, (std::array<int, 2>{6800, 10500}));
  EXPECT_EQ(FxExplosionShipBig->LiveTime, (std::array<int, 2>{400, 600}));
  EXPECT_EQ(FxRocketPlasmaExpl->LiveTime, (std::array<int, 2>{250, 300}));
}

TEST_F(ParticleEffectsTest, EmitterSettingsOfTheTable) {
  EXPECT_EQ(FxSchussExplosion1->EmitterMode, 0);
  EXPECT_EQ(FxRAntrieb1->EmitterMode, 4);
  EXPECT_EQ(FxFeuer->EmitterRadius, 2);
  EXPECT_EQ(FxTruemmer1->EmitterSpread, 1);
  EXPECT_EQ(FxTruemmer2->EmitterSpread, 20);
  EXPECT_EQ(FxExplosionShipBig->EmitterSpread, 25);
  EXPECT_EQ(FxRocket1Explosion->EmitterRadius, 50);
  EXPECT_EQ(FxRocketPlasmaExpl->EmitterRadius, 50);
  EXPECT_EQ(FxExplosion->EmitterRadius, 0);
  EXPECT_EQ(FxFeuer->Emitter, nullptr);
}

TEST_F(ParticleEffectsTest, RulesRunInReverseOfTheTableOrder) {
  using R = RuleView;
  EXPECT_EQ(Rules("ExplosionShipBig"), (std::vector<R>{{0.5f, 1, 0.08f, "LittleExplosion"},
                                                       {0.8f, 1, 0.02f, "Truemmer2"},
                                                       {0.5f, 1, 0.03f, "Truemmer1"},
                                                       {0, 0.8f, 0.4f, "Feuer"}}));
  EXPECT_EQ(Rules("ExplosionShip"), (std::vector<R>{{0.5f, 1, 0.05f, "LittleExplosion"},
                                                    {0.5f, 1, 0.01f, "Truemmer1"},
                                                    {0, 0.5f, 0.2f, "Feuer"}}));
  EXPECT_EQ(Rules("ExplosionShipLittle"),
            (std::vector<R>{{0.5f, 1, 0.05f, "LittleExplosion"}, {0.5f, 1, 0.01f, "Truemmer1"}}));
  EXPECT_EQ(Rules("LittleExplosion"), (std::vector<R>{{0.5f, 1, 0.05f, "Feuer"}, {0, 0.5f, 0.1f, "Feuer"}}));
  EXPECT_EQ(Rules("Truemmer1"), (std::vector<R>{{0.9f, 1, 0.01f, "FeuerStat"}}));
  EXPECT_EQ(Rules("Truemmer2"),
            (std::vector<R>{{0.95f, 1, 0.05f, "LittleExplosion"}, {0.99f, 1, 0.1f, "Feuer"}}));
  EXPECT_EQ(Rules("Explosion"), (std::vector<R>{{0.5f, 1, 0.05f, "LittleExplosion"}, {0, 0.5f, 0.2f, "Feuer"}}));
  EXPECT_EQ(Rules("Rocket1Explosion"),
            (std::vector<R>{{0.5f, 1, 0.025f, "FeuerStat"}, {0, 0.5f, 0.15f, "Rocket1ExplFeuer"}}));
  EXPECT_EQ(Rules("RocketPlasmaExpl"), (std::vector<R>{{0, 1, 0.2f, "Plasma"}}));
}

TEST_F(ParticleEffectsTest, ShipExplosionFillsTheSkyWithSmoke) {
  SetParticleCamera(0, 0);
  FxExplosionShipBig->CreateParticle(640, 360, 0, nullptr);
  for (int i = 0; i < 10; ++i) UpdateParticles();
  int smoke = 0, other = 0;
  for (const auto& p : *Particles().particles) (p->Info == FxFeuer ? smoke : other) += 1;
  // 0.4 per ms for 160 ms, whole milliseconds carried over; no debris before half-life.
  EXPECT_GE(smoke, 60);
  EXPECT_LE(smoke, 64);
  EXPECT_EQ(other, 1);
}

}  // namespace
}  // namespace tolvex::test
