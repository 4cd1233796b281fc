#include "effects/TBGObject.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/Globals.h"
#include "platform/Clock.h"
#include "platform/Graphics.h"

namespace tolvex {

namespace {

std::unique_ptr<TList<TBGObject>>& ListSlot() {
  static std::unique_ptr<TList<TBGObject>> list = std::make_unique<TList<TBGObject>>();
  return list;
}

// The drawing order of this frame; kept between frames so drawing does not allocate.
std::vector<TBGObject*>& DrawOrder() {
  static std::vector<TBGObject*> order;
  return order;
}

}  // namespace

TList<TBGObject>& TBGObject::List() { return *ListSlot(); }

void TBGObject::ResetList() { ListSlot() = std::make_unique<TList<TBGObject>>(); }

void TBGObject::ProcessAll() {
  for (const auto& object : List()) object->Process();
}

void TBGObject::DrawAll() {
  std::vector<TBGObject*>& order = DrawOrder();
  order.clear();
  for (const auto& object : List()) order.push_back(object.get());
  std::stable_sort(order.begin(), order.end(),
                   [](const TBGObject* a, const TBGObject* b) { return a->compare(*b) < 0; });
  for (const TBGObject* object : order) object->Draw();
  order.clear();
  SetRotation(0);
  SetScale(1, 1);
}

std::shared_ptr<TBGObject> TBGObject::Create(ImagePtr image, float x, float y, float z, float rotation) {
  auto object = std::make_shared<TBGObject>();
  if (image) {
    const auto w = static_cast<float>(image->Width());
    const auto h = static_cast<float>(image->Height());
    object->radius = std::sqrt(w * w + h * h) / 2;
  }
  object->image = std::move(image);
  object->x = x;
  object->y = y;
  object->z = std::max(z, 1.0f);
  object->rotation = rotation;
  object->_link = List().AddLast(object);
  object->SetZFade(3.5f, 4, true);
  object->static_ = false;
  return object;
}

void TBGObject::SetZFade(float start, float end, bool active) {
  startfadez = start;
  endfadez = end;
  zfadeactive = active;
}

void TBGObject::SetStatic(bool on) {
  static_ = on;
  zfadeactive = !on;
}

void TBGObject::SetFadeRemove(int time) {
  faderemove = true;
  faderemovetime = faderemovetimemax = time;
}

void TBGObject::SetSpeed(float speed, float zSpeed, float directionSpeed, float rotationSpeed) {
  this->speed = speed;
  zspeed = zSpeed;
  directionspeed = directionSpeed;
  rotationspeed = rotationSpeed;
}

void TBGObject::Process() {
  rotation += rotationspeed / FrameRate;
  direction += directionspeed / FrameRate;
  x += SinDeg(direction) * speed / FrameRate / z;
  y -= CosDeg(direction) * speed / FrameRate / z;
  z += zspeed / FrameRate;
  if (zfadeactive && z > endfadez) {
    Remove();
    return;
  }
  if (faderemove) {
    faderemovetime -= FrameTime;
    if (faderemovetime <= 0) {
      Remove();
      return;
    }
  }
  const float w = static_cast<float>(GfxWidth);
  const float h = static_cast<float>(GfxHeight);
  const float sx = GetX();
  const float sy = GetY();
  if (!static_ && (sx < -w || sx > 2 * w || sy < -h || sy > 2 * h)) Remove();
}

float TBGObject::DrawAlpha() const {
  if (zfadeactive && z >= startfadez) return (endfadez - z) / (endfadez - startfadez);
  // A timed fade runs smoothly from the full time down to nothing.
  if (faderemove && faderemovetimemax > 0) {
    return static_cast<float>(faderemovetime) / static_cast<float>(faderemovetimemax);
  }
  return 1;
}

void TBGObject::Draw() const {
  if (!image) return;
  const float sx = GetX();
  const float sy = GetY();
  if (sx + radius < 0 || sx - radius > static_cast<float>(GfxWidth) || sy + radius < 0 ||
      sy - radius > static_cast<float>(GfxHeight)) {
    return;
  }
  SetAlpha(DrawAlpha());
  SetRotation(rotation);
  if (static_) SetScale(1, 1);
  else SetScale(1 / z, 1 / z);
  DrawImage(image, sx, sy);
}

float TBGObject::GetX() const {
  const int half = GfxWidth / 2;
  return (x - CameraX - static_cast<float>(half)) / z + static_cast<float>(half);
}

float TBGObject::GetY() const {
  const int half = GfxHeight / 2;
  return (y - CameraY - static_cast<float>(half)) / z + static_cast<float>(half);
}

void TBGObject::Remove() {
  if (_link) _link->Remove();
  image.reset();
}

int TBGObject::compare(const TBGObject& other) const {
  if (&other == this) return 0;
  if (other.z > z) return 1;
  if (other.z < z) return -1;
  return 0;
}

}  // namespace tolvex
