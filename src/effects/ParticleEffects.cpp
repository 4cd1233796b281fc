#include "effects/ParticleEffects.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace tolvex {

TParticleInfoPtr FxRAntrieb1, FxRAntrieb0, FxRAntrieb3;
TParticleInfoPtr FxSchussExplosion1, FxSchussExplosion1green, FxSchussExplosion1blue, FxSchussExplosion1red,
    FxSchussExplosion1violett, FxSchussExplosion2, FxSchussExplosionLittlePlasma;
TParticleInfoPtr FxFeuer, FxRocket1ExplFeuer, FxFeuerStat, FxFeuerPlasma, FxPlasma, FxFunken1;
TParticleInfoPtr FxTruemmer1, FxTruemmer2;
TParticleInfoPtr FxLittleExplosion, FxExplosion, FxRocket1Explosion, FxRocketPlasmaExpl, FxExplosionShipLittle,
    FxExplosionShip, FxExplosionShipBig;

namespace {

constexpr std::string_view kExplosionSound = "sfx\\Explosio-Ulvo-1074.wav";
constexpr std::string_view kShipExplosionSound = "sfx\\aexplo6.wav";

std::string Gfx(std::string_view file) { return file.empty() ? std::string() : "incbin::..\\gfx\\" + std::string(file); }

// Lifetime, spin and speed ranges of one effect.
struct Motion {
  int liveMin, liveMax;
  float spinMin, spinMax;
  float speedMin, speedMax;
};

// How an emitted particle of the effect starts: direction mode, spread and radius.
struct Emission {
  std::uint8_t mode;
  float spread, radius;
};

// One emitter rule: the parent's life window, the rate per millisecond and the emitted effect.
struct Rule {
  float from, to, number;
  const TParticleInfoPtr& effect;
};

TParticleInfoPtr Invisible(std::string_view id, Motion m, Emission e) {
  auto info = TParticleInfo::Create(id, m.liveMin, m.liveMax, m.spinMin, m.spinMax, m.speedMin, m.speedMax, 0,
                                    false);
  info->AddEmitterInfo(e.mode, 0, e.spread, e.radius);
  return info;
}

TParticleInfoPtr Sprite(std::string_view id, Motion m, std::string_view sprite, std::string_view gradient,
                        std::uint8_t blend, Emission e) {
  auto info = TParticleInfo::Create(id, m.liveMin, m.liveMax, m.spinMin, m.spinMax, m.speedMin, m.speedMax, 0,
                                    false);
  info->AddViewInfo(Gfx(sprite), Gfx(gradient), blend, false);
  info->AddEmitterInfo(e.mode, 0, e.spread, e.radius);
  return info;
}

void AddRules(const TParticleInfoPtr& info, std::initializer_list<Rule> rules) {
  for (const Rule& rule : rules) info->AddEmitter(rule.from, rule.to, rule.number, rule.effect);
}

// The exhaust stroke hangs behind the particle: its handle sits on the top edge, 5 pixels in.
void HangExhaust(const TParticleInfoPtr& info) {
  if (info->Image) info->Image->SetHandle(5, 0);
}

void CreateTrails() {
  constexpr Motion trail{700, 1200, 0, 0, 0, 0};
  constexpr Emission random{4, 0, 0};
  FxRAntrieb1 = Sprite("RAntrieb1", trail, "RSchweif1.png", "GradientYellow.png", 4, random);
  HangExhaust(FxRAntrieb1);
  FxRAntrieb0 = Sprite("RAntrieb0", trail, "RSchweif0.png", "GradientPlasma.png", 4, random);
  HangExhaust(FxRAntrieb0);
  FxRAntrieb3 = Sprite("RAntrieb3", {200, 300, 0, 0, 0, 0}, "RSchweif3.png", "GradientPlasma2.png", 4, random);
}

void CreateImpacts() {
  constexpr Motion impact{700, 800, 0, 0, 100, 200};
  constexpr Emission straight{0, 0, 0};
  FxSchussExplosion1 = Sprite("SchussExplosion1", impact, "lexplo1.png", "GradientYellow.png", 4, straight);
  FxSchussExplosion1green =
      Sprite("SchussExplosion1green", impact, "lexplo1.png", "GradientGreen.png", 4, straight);
  FxSchussExplosion1blue = Sprite("SchussExplosion1blue", impact, "lexplo1.png", "GradientBlue.png", 4, straight);
  FxSchussExplosion1red = Sprite("SchussExplosion1red", impact, "lexplo1.png", "GradientRed.png", 4, straight);
  FxSchussExplosion1violett =
      Sprite("SchussExplosion1violett", impact, "lexplo1.png", "GradientViolett.png", 4, straight);
  FxSchussExplosion2 = Sprite("SchussExplosion2", impact, "lexplo2.png", "GradientYellow.png", 4, straight);
  FxSchussExplosionLittlePlasma =
      Sprite("SchussExplosionLittlePlasma", impact, "lexplo2.png", "GradientPlasma.png", 4, straight);
}

void CreateFlames() {
  constexpr Emission puff{4, 0, 2};
  constexpr std::string_view smoke = "sprite_smoke1.png";
  FxFeuer = Sprite("Feuer", {700, 1200, -50, 50, 200, 200}, smoke, "GradientYellow.png", 4, puff);
  FxRocket1ExplFeuer =
      Sprite("Rocket1ExplFeuer", {700, 1200, -50, 50, 50, 100}, smoke, "GradientYellow.png", 4, puff);
  FxFeuerStat = Sprite("FeuerStat", {700, 1200, -5, 5, 20, 20}, smoke, "GradientYellow.png", 4, puff);
  FxFeuerPlasma = Sprite("FeuerPlasma", {700, 1200, -50, 50, 200, 200}, smoke, "GradientPlasma.png", 4, puff);
  FxPlasma = Sprite("Plasma", {700, 1200, -50, 50, 50, 100}, smoke, "GradientPlasma.png", 4, puff);
  FxFunken1 = Sprite("Funken1", {300, 600, -50, 50, 200, 200}, "funken1.png", "GradientYellow.png", 4, puff);
}

void CreateDebris() {
  FxLittleExplosion = Invisible("LittleExplosion", {200, 300, 0, 0, 0, 0}, {4, 10, 0});
  AddRules(FxLittleExplosion, {{0, 0.5f, 0.1f, FxFeuer}, {0.5f, 1, 0.05f, FxFeuer}});
  FxTruemmer1 = Sprite("Truemmer1", {1800, 2500, -150, 150, -200, 200}, "truemmer1.png", "", 3, {4, 1, 0});
  AddRules(FxTruemmer1, {{0.9f, 1, 0.01f, FxFeuerStat}});
  FxTruemmer2 = Sprite("Truemmer2", {6800, 10500, -150, 150, -200, 200}, "truemmer2.png", "", 3, {4, 20, 0});
  AddRules(FxTruemmer2, {{0.99f, 1, 0.1f, FxFeuer}, {0.95f, 1, 0.05f, FxLittleExplosion}});
}

void CreateExplosions() {
  FxExplosion = Invisible("Explosion", {200, 500, 0, 0, 0, 0}, {4, 10, 0});
  AddRules(FxExplosion, {{0, 0.5f, 0.2f, FxFeuer}, {0.5f, 1, 0.05f, FxLittleExplosion}});
  FxExplosion->AddSound(kExplosionSound);
  FxRocket1Explosion = Invisible("Rocket1Explosion", {250, 350, 0, 0, 0, 0}, {4, 10, 50});
  AddRules(FxRocket1Explosion, {{0, 0.5f, 0.15f, FxRocket1ExplFeuer}, {0.5f, 1, 0.025f, FxFeuerStat}});
  FxRocket1Explosion->AddSound(kExplosionSound);
  FxRocketPlasmaExpl = Invisible("RocketPlasmaExpl", {250, 300, 0, 0, 0, 0}, {4, 10, 50});
  AddRules(FxRocketPlasmaExpl, {{0, 1, 0.2f, FxPlasma}});
  FxRocketPlasmaExpl->AddSound(kExplosionSound);
}

void CreateShipExplosions() {
  FxExplosionShipLittle = Invisible("ExplosionShipLittle", {250, 400, 0, 0, 0, 0}, {4, 10, 0});
  AddRules(FxExplosionShipLittle, {{0.5f, 1, 0.01f, FxTruemmer1}, {0.5f, 1, 0.05f, FxLittleExplosion}});
  FxExplosionShipLittle->AddSound(kShipExplosionSound);
  FxExplosionShip = Invisible("ExplosionShip", {350, 500, 0, 0, 0, 0}, {4, 10, 0});
  AddRules(FxExplosionShip,
           {{0, 0.5f, 0.2f, FxFeuer}, {0.5f, 1, 0.01f, FxTruemmer1}, {0.5f, 1, 0.05f, FxLittleExplosion}});
  FxExplosionShip->AddSound(kShipExplosionSound);
  FxExplosionShipBig = Invisible("ExplosionShipBig", {400, 600, 0, 0, 0, 0}, {4, 25, 0});
  AddRules(FxExplosionShipBig, {{0, 0.8f, 0.4f, FxFeuer},
                                {0.5f, 1, 0.03f, FxTruemmer1},
                                {0.8f, 1, 0.02f, FxTruemmer2},
                                {0.5f, 1, 0.08f, FxLittleExplosion}});
  FxExplosionShipBig->AddSound(kShipExplosionSound);
}

}  // namespace

void CreateParticleEffects() {
  CreateTrails();
  CreateImpacts();
  CreateFlames();
  CreateDebris();
  CreateExplosions();
  CreateShipExplosions();
}

}  // namespace tolvex
