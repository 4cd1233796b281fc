#pragma once
// A particle effect: how particles of one kind live, move, look and sound, and
// which other effects they emit while they live. Registered under a text ID.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Image.h"
#include "platform/Sound.h"

namespace tolvex {

class TParticle;
class TEmitterInfo;
using TParticlePtr = std::shared_ptr<TParticle>;

// The rules a particle runs; particles share the list their effect had when they started.
using EmitterList = std::vector<std::shared_ptr<TEmitterInfo>>;

class TParticleInfo : public std::enable_shared_from_this<TParticleInfo> {
 public:
  // Builds an effect and registers it under id, replacing an earlier one of that id.
  static std::shared_ptr<TParticleInfo> Create(std::string_view id, int liveTimeMin, int liveTimeMax,
                                               float angleSpeedMin, float angleSpeedMax,
                                               float moveSpeedMin, float moveSpeedMax, float accelerate,
                                               bool connectedToPivot);
  // The registered effect of that id, or null.
  static std::shared_ptr<TParticleInfo> Get(std::string_view id);

  // Loads the sprite (handle centred) and the optional colour-over-life gradient.
  void AddViewInfo(std::string_view imagePath, std::string_view gradientPath, std::uint8_t blendMode,
                   bool directionIsMoveDirection);
  // How emitted particles of this effect choose their start direction and place.
  void AddEmitterInfo(std::uint8_t mode, float direction, float spread, float radius);
  // Adds a rule in front of the earlier ones, so rules run in the reverse order of adding.
  void AddEmitter(float whenFrom, float whenTo, float number, std::shared_ptr<TParticleInfo> effect);
  // Loads the sound played whenever a particle of this effect starts; a missing file stays silent.
  void AddSound(std::string_view path);

  // Starts a particle at a world point; null when the point is too far off screen.
  TParticlePtr CreateParticle(float x, float y, float direction, const TParticlePtr& pivot);
  // Starts a particle of this effect as a child of parent (on behalf of rule).
  TParticlePtr InheritParticle(TParticle& parent, const TEmitterInfo& rule);

  std::string ID;
  std::array<int, 2> LiveTime{};
  std::array<float, 2> AngleSpeed{};
  std::array<float, 2> MoveSpeed{};
  float Accelerate = 0;
  bool ConnectedToPivot = false;
  ImagePtr Image;
  PixmapPtr Gradient;
  std::uint8_t BlendMode = 0;
  bool DirectionIsMoveDirection = false;
  float ImageRadius = 0;
  std::uint8_t EmitterMode = 0;
  // Replaced, never changed in place, so live particles keep the rules they started with.
  std::shared_ptr<const EmitterList> Emitter;
  float EmittDirection = 0;
  float EmitterSpread = 0;
  float EmitterRadius = 0;
  SoundPtr SoundEffect;

 private:
  float StartDirection(const TParticle& parent) const;
};
using TParticleInfoPtr = std::shared_ptr<TParticleInfo>;

}  // namespace tolvex
