#pragma once
// The live particles in the order they were made. A fight keeps thousands of them and every
// frame visits each once, so they sit side by side in one array rather than in a chain of
// links: the walk knows where the particles ahead lie and asks for them early, instead of
// waiting on each link in turn.
//
// Walking rules (those of the game's other lists):
//  - a particle removed before the walk reaches it is skipped;
//  - a particle that removes itself while visited does not disturb the walk;
//  - particles appended during a walk are reached in the same walk.
// Removed particles keep their slot until the last walk ends, so the particle being visited
// stays alive until its visit is done.
#include <cstddef>
#include <memory>
#include <vector>

#include "core/Prefetch.h"
#include "effects/TParticle.h"

namespace tolvex {

class ParticleList {
 public:
  ParticleList() = default;
  ~ParticleList();
  ParticleList(const ParticleList&) = delete;
  ParticleList& operator=(const ParticleList&) = delete;

  // Appends at the back and links the particle to this list.
  void AddLast(std::shared_ptr<TParticle> particle);
  // Particles in the list.
  std::size_t Count() const { return count_; }
  // The first and last particle in the list, or null.
  std::shared_ptr<TParticle> First() const;
  std::shared_ptr<TParticle> Last() const;

  // Calls visit(particle) for every particle in the list, in order, by the rules above.
  template <class Visit>
  void Walk(Visit&& visit);

  // Read-only walks over the linked particles (tests, the debug counter); the list must not
  // change while one runs.
  class Iterator {
   public:
    Iterator(const std::vector<std::shared_ptr<TParticle>>& entries, std::size_t at);
    const std::shared_ptr<TParticle>& operator*() const { return entries_[at_]; }
    Iterator& operator++();
    bool operator!=(const Iterator& other) const { return at_ != other.at_; }

   private:
    void SkipRemoved();
    const std::vector<std::shared_ptr<TParticle>>& entries_;
    std::size_t at_;
  };
  Iterator begin() const { return Iterator(entries_, 0); }
  Iterator end() const { return Iterator(entries_, entries_.size()); }

 private:
  friend class ParticleLink;
  void Forget() {
    --count_;
    ++removed_;
  }
  // Drops the slots of removed particles, keeping the order of the rest.
  void Compact();
  // Asks for the particle a few places ahead of the one visited now.
  void PrefetchAhead(std::size_t at) const;

  std::vector<std::shared_ptr<TParticle>> entries_;
  std::size_t count_ = 0, removed_ = 0;
  int walks_ = 0;
};

inline void ParticleList::PrefetchAhead(std::size_t at) const {
  // Far enough ahead that the particle has arrived when its turn comes, near enough that it
  // is still in the cache then.
  constexpr std::size_t kAhead = 6;
  if (at + kAhead >= entries_.size()) return;
  // A particle spans two or three cache lines, depending on where it starts.
  PrefetchBytes(entries_[at + kAhead].get(), sizeof(TParticle));
}

template <class Visit>
void ParticleList::Walk(Visit&& visit) {
  ++walks_;
  // Read afresh at every step: visits append particles, and the array may move.
  for (std::size_t at = 0; at < entries_.size(); ++at) {
    PrefetchAhead(at);
    TParticle& particle = *entries_[at];
    if (particle.Link.Linked()) visit(particle);
  }
  if (--walks_ == 0 && removed_ > 0) Compact();
}

}  // namespace tolvex
