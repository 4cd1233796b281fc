#pragma once
// A free image in the background at a pseudo-3D depth (wreckage of destroyed
// ships): it drifts, tumbles, shrinks towards the screen centre and fades.
#include <memory>

#include "core/TList.h"
#include "platform/Image.h"

namespace tolvex {

class TBGObject : public std::enable_shared_from_this<TBGObject> {
 public:
  // Processes every background object in list order.
  static void ProcessAll();
  // Draws every background object, deeper ones first.
  static void DrawAll();
  // A new object in the background list; depths below 1 start at 1.
  static std::shared_ptr<TBGObject> Create(ImagePtr image, float x, float y, float z, float rotation);
  // The list of background objects.
  static TList<TBGObject>& List();
  // Empties the list (tests start from a fresh game).
  static void ResetList();

  void SetZFade(float start, float end, bool active);
  // A static object is drawn unscaled and never leaves for being off screen or deep.
  void SetStatic(bool on);
  void SetFadeRemove(int time);
  void SetSpeed(float speed, float zSpeed, float directionSpeed, float rotationSpeed);
  // Moves, turns and sinks the object for one frame; removes it once gone.
  void Process();
  void Draw() const;
  // Screen position: depth pulls the object towards the screen centre.
  float GetX() const;
  float GetY() const;
  // Leaves the background list and lets go of the image.
  void Remove();
  // Drawing order: 1 if other is deeper, −1 if it is shallower, 0 if equal or the same object.
  int compare(const TBGObject& other) const;

  ImagePtr image;
  float x = 0, y = 0;
  // Depth, at least 1 (1 = the plane of the world).
  float z = 1;
  float rotation = 0;
  float rotationspeed = 0;
  float directionspeed = 0;
  float direction = 0;
  float speed = 0;
  float zspeed = 0;
  bool zfadeactive = false;
  float startfadez = 0, endfadez = 0;
  bool faderemove = false;
  int faderemovetime = 0, faderemovetimemax = 0;
  // Drawn unscaled, never removed for being off screen, no depth fade.
  bool static_ = false;
  std::shared_ptr<TLink<TBGObject>> _link;
  // Half diagonal of the image; the culling margin.
  float radius = 0;

 private:
  float DrawAlpha() const;
};
using TBGObjectPtr = std::shared_ptr<TBGObject>;

}  // namespace tolvex
