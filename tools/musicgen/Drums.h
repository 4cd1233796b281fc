// The drum kit and the sweeps around it: every hit synthesised afresh and written into the mix.
#pragma once

#include <cstddef>

#include "Noise.h"
#include "musicgen/Mix.h"

namespace tolvex::music {

// A sine whose pitch falls from a click into a deep thump.
void kick(Mix& mix, std::size_t at, float velocity);
// Two tuned bodies under a burst of band-passed noise.
void snare(Mix& mix, std::size_t at, float velocity, sfx::Rng& rng);
// Metallic noise, closed (a tick) or open (a hiss), placed at `pan`.
void hat(Mix& mix, std::size_t at, float velocity, bool open, float pan, sfx::Rng& rng);
// A long, wide wash of metal for the first beat of a section.
void crash(Mix& mix, std::size_t at, float velocity, sfx::Rng& rng);
// A tuned drum for fills.
void tom(Mix& mix, std::size_t at, float velocity, double hz, float pan);
// A low boom under the crash where a section lands.
void impact(Mix& mix, std::size_t at, float velocity, sfx::Rng& rng);
// Noise swept up through a narrow band over `frames`, growing louder: the build before a drop.
void riser(Mix& mix, std::size_t at, std::size_t frames, float velocity, sfx::Rng& rng);
// Ducks the pump curve after a kick so pads and bass breathe with it.
void pumpAfter(Mix& mix, std::size_t at, float depth);

}  // namespace tolvex::music
