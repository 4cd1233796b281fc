#pragma once
// The game's particle effects, built once at start-up; other tables pass these records.
#include "effects/TParticleInfo.h"

namespace tolvex {

// Rocket exhaust trails.
extern TParticleInfoPtr FxRAntrieb1, FxRAntrieb0, FxRAntrieb3;
// Shot impacts.
extern TParticleInfoPtr FxSchussExplosion1, FxSchussExplosion1green, FxSchussExplosion1blue,
    FxSchussExplosion1red, FxSchussExplosion1violett, FxSchussExplosion2, FxSchussExplosionLittlePlasma;
// Smoke, fire and sparks.
extern TParticleInfoPtr FxFeuer, FxRocket1ExplFeuer, FxFeuerStat, FxFeuerPlasma, FxPlasma, FxFunken1;
// Debris.
extern TParticleInfoPtr FxTruemmer1, FxTruemmer2;
// Invisible spawners: explosions of rockets and ships.
extern TParticleInfoPtr FxLittleExplosion, FxExplosion, FxRocket1Explosion, FxRocketPlasmaExpl,
    FxExplosionShipLittle, FxExplosionShip, FxExplosionShipBig;

// Defines the 25 effects in their order (the engine settings come first).
void CreateParticleEffects();

}  // namespace tolvex
