#include "effects/ParticleList.h"

#include <algorithm>

namespace tolvex {

void ParticleLink::Remove() {
  if (!list_) return;
  list_->Forget();
  list_ = nullptr;
}

ParticleList::~ParticleList() {
  // Particles that outlive the list (held by a child as its pivot, or by a test) must not
  // point back at it.
  for (const auto& particle : entries_) particle->Link.list_ = nullptr;
}

void ParticleList::AddLast(std::shared_ptr<TParticle> particle) {
  particle->Link.list_ = this;
  ++count_;
  entries_.push_back(std::move(particle));
  // Particles taken out while no walk runs are dropped once they make up half the array.
  if (walks_ == 0 && removed_ > count_) Compact();
}

std::shared_ptr<TParticle> ParticleList::First() const {
  const auto first = begin();
  return first != end() ? *first : nullptr;
}

std::shared_ptr<TParticle> ParticleList::Last() const {
  const auto last = std::find_if(entries_.rbegin(), entries_.rend(),
                                 [](const auto& particle) { return particle->Link.Linked(); });
  return last != entries_.rend() ? *last : nullptr;
}

void ParticleList::Compact() {
  // Dropping a particle may drop others (the pivots it held); none of them walks this list.
  std::erase_if(entries_, [](const auto& particle) { return !particle->Link.Linked(); });
  removed_ = 0;
}

ParticleList::Iterator::Iterator(const std::vector<std::shared_ptr<TParticle>>& entries, std::size_t at)
    : entries_(entries), at_(at) {
  SkipRemoved();
}

ParticleList::Iterator& ParticleList::Iterator::operator++() {
  ++at_;
  SkipRemoved();
  return *this;
}

void ParticleList::Iterator::SkipRemoved() {
  while (at_ < entries_.size() && !entries_[at_]->Link.Linked()) ++at_;
}

}  // namespace tolvex
