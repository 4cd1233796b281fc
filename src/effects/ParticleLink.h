#pragma once
// A particle's place in the particle list (effects/ParticleList.h).

namespace tolvex {

class ParticleList;

// A particle's place in the particle list, used to take it out again.
class ParticleLink {
 public:
  // True while the particle is in its list.
  bool Linked() const { return list_ != nullptr; }
  // Takes the particle out of its list; a second call does nothing.
  void Remove();

 private:
  friend class ParticleList;
  ParticleList* list_ = nullptr;
};

}  // namespace tolvex
