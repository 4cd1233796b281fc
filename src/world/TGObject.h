#pragma once
// The base of everything that lives in the playing field: ships, shots and rockets.
#include <cstdint>
#include <memory>

#include <nlohmann/json_fwd.hpp>

#include "core/TList.h"

namespace tolvex {

// What a game object is, so walks pick ships, shots or rockets without a cast.
enum class ObjectKind : std::uint8_t { Ship, Shot, Rocket, Other };

class TGObject : public std::enable_shared_from_this<TGObject> {
 public:
  explicit TGObject(ObjectKind kind = ObjectKind::Other) : kind_(kind) {}
  virtual ~TGObject() = default;
  TGObject(const TGObject&) = delete;
  TGObject& operator=(const TGObject&) = delete;

  float X = 0;
  float Y = 0;
  float Speed = 0;
  float Direction = 0;
  std::uint8_t Dead = 0;
  // The object's own entry in the world list; null when it is not in the world.
  std::shared_ptr<TLink<TGObject>> Link;

  ObjectKind Kind() const { return kind_; }

  // Advances the object by one frame.
  virtual void Steering() = 0;
  // Draws the object relative to the camera.
  virtual void Draw() = 0;
  // Receives damage; plain objects ignore it.
  virtual void DealDamage(float amount);
  // Puts the object into the world at the back of the list.
  virtual void MeltWithUniverse();
  // Takes the object out of the world; nothing happens when it is not in it.
  virtual void Remove();
  // Writes the object's fields, under the game's own names, for a state dump.
  virtual void Describe(nlohmann::json& out) const;

 private:
  ObjectKind kind_;
};
using TGObjectPtr = std::shared_ptr<TGObject>;

}  // namespace tolvex
