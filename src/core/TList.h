#pragma once
// The one list type of the game: a doubly linked list of shared objects whose
// entries unlink themselves in O(1) and whose walks tolerate change.
//
// Walking rules every list relies on:
//  - an entry removed before the walk reaches it is skipped;
//  - an entry that removes itself while visited does not disturb the walk;
//  - entries appended at the back during a walk are reached in the same walk;
//  - entries inserted at the front during a walk are not.
// A removed entry keeps its forward pointer, so a walk standing on it goes on.
// Entries removed while a walk runs are kept, object and all, until the last walk of
// the list ends: walks need no reference counting of their own, and an object that
// removes itself stays alive until its visitor is done with it.
#include <cstddef>
#include <memory>
#include <vector>

#include "core/Prefetch.h"
#include "core/SlotPool.h"

namespace tolvex {

template <class T>
class TList;

// One entry of a TList; its owner keeps it to unlink itself later.
template <class T>
class TLink {
 public:
  // The object while the entry is in its list; null once removed.
  const std::shared_ptr<T>& Value() const {
    static const std::shared_ptr<T> none;
    return list_ ? value_ : none;
  }
  bool Linked() const { return list_ != nullptr; }
  // Takes the entry out of its list; a second call does nothing.
  void Remove() {
    if (list_) list_->Unlink(this);
  }

 private:
  friend class TList<T>;
  std::shared_ptr<T> value_;
  std::shared_ptr<TLink> next_;
  TLink* prev_ = nullptr;
  TList<T>* list_ = nullptr;
};

template <class T>
class TList {
 public:
  using Link = TLink<T>;
  using LinkPtr = std::shared_ptr<Link>;

  TList() : links_(std::make_shared<SlotPool>()), head_(std::make_shared<Link>()), tail_(head_.get()) {}
  ~TList() { Clear(); }
  TList(const TList&) = delete;
  TList& operator=(const TList&) = delete;

  // Appends at the back and returns the new entry.
  LinkPtr AddLast(std::shared_ptr<T> value) {
    auto link = MakeLink(std::move(value));
    link->prev_ = tail_;
    tail_->next_ = link;
    tail_ = link.get();
    return link;
  }

  // Inserts at the front and returns the new entry.
  LinkPtr AddFirst(std::shared_ptr<T> value) {
    auto link = MakeLink(std::move(value));
    link->prev_ = head_.get();
    link->next_ = std::move(head_->next_);
    if (link->next_) link->next_->prev_ = link.get();
    else tail_ = link.get();
    head_->next_ = link;
    return link;
  }

  // Unlinks every entry.
  void Clear() {
    while (head_->next_) Unlink(head_->next_.get());
  }

  // Unlinks every entry whose object matches, in place (walks standing on them go on).
  template <class Predicate>
  void RemoveIf(Predicate matches) {
    for (LinkPtr link = head_->next_; link;) {
      LinkPtr next = link->next_;
      if (matches(*link->value_)) Unlink(link.get());
      link = std::move(next);
    }
  }

  // Asks the caches for every entry, before a walk over a long list whose entries other work
  // has pushed out of the caches (see SlotPool::Prefetch).
  void PrefetchLinks() const { links_->Prefetch(); }

  bool Empty() const { return head_->next_ == nullptr; }
  std::size_t Count() const { return count_; }
  // The first object, or null.
  std::shared_ptr<T> First() const { return head_->next_ ? head_->next_->value_ : nullptr; }
  // The first object without taking a share of it (for comparisons that must stay cheap), or null.
  T* FirstPointer() const { return head_->next_ ? head_->next_->value_.get() : nullptr; }
  std::shared_ptr<T> Last() const { return tail_ != head_.get() ? tail_->value_ : nullptr; }

  // A walk over the linked entries that follows the rules above. While it exists the
  // list keeps what is removed, so the entry it stands on and its object stay valid.
  class Iterator {
   public:
    Iterator(const TList* list, Link* at) : list_(list), at_(at) {
      Enter();
      SkipRemoved();
    }
    Iterator(const Iterator& other) : list_(other.list_), at_(other.at_) { Enter(); }
    Iterator& operator=(const Iterator& other) {
      if (this != &other) {
        Leave();
        list_ = other.list_, at_ = other.at_;
        Enter();
      }
      return *this;
    }
    ~Iterator() { Leave(); }

    // Valid until the walk ends, even when the object removes itself meanwhile.
    const std::shared_ptr<T>& operator*() const { return at_->value_; }
    Iterator& operator++() {
      at_ = at_->next_.get();
      SkipRemoved();
      return *this;
    }
    bool operator==(const Iterator& other) const { return at_ == other.at_; }
    bool operator!=(const Iterator& other) const { return at_ != other.at_; }

   private:
    void Enter() {
      if (list_) ++list_->walks_;
    }
    void Leave() {
      if (list_ && --list_->walks_ == 0) list_->ReleaseRemoved();
    }
    void SkipRemoved() {
      while (at_ && !at_->Linked()) at_ = at_->next_.get();
      if (at_ && at_->next_) Prefetch(at_->next_->next_.get());
    }
    // Entries and objects lie scattered in memory: while this entry is visited, fetch the
    // object two entries ahead and the entry after it (that entry itself was fetched
    // one step ago, so reading it does not wait).
    static void Prefetch(const Link* ahead) {
      if (!ahead) return;
      PrefetchBytes(ahead->value_.get(), 2 * kCacheLine);
      PrefetchLine(ahead->next_.get());
    }
    const TList* list_;
    Link* at_;
  };

  Iterator begin() const { return Iterator(this, head_->next_.get()); }
  Iterator end() const { return Iterator(nullptr, nullptr); }

 private:
  friend class TLink<T>;

  LinkPtr MakeLink(std::shared_ptr<T> value) {
    // The links of one list sit side by side: walks hop between neighbours.
    auto link = std::allocate_shared<Link>(PoolAllocator<Link>(links_));
    link->value_ = std::move(value);
    link->list_ = this;
    ++count_;
    return link;
  }

  // Bridges over the entry; the entry keeps its forward pointer for walks
  // standing on it, and drops its object so nothing is kept alive by it (once no
  // walk runs any more).
  void Unlink(Link* link) {
    LinkPtr keep = link->prev_->next_;  // the entry itself, alive until we are done
    Link* prev = link->prev_;
    if (link->next_) link->next_->prev_ = prev;
    else tail_ = prev;
    prev->next_ = link->next_;
    link->prev_ = nullptr;
    link->list_ = nullptr;
    --count_;
    if (walks_ > 0) removed_.push_back(std::move(keep));
    else link->value_.reset();
  }

  void ReleaseRemoved() const {
    // Dropping an object may start walks of its own: each entry is taken out first.
    while (!removed_.empty()) {
      const LinkPtr link = std::move(removed_.back());
      removed_.pop_back();
      link->value_.reset();
    }
  }

  std::shared_ptr<SlotPool> links_;
  LinkPtr head_;  // sentinel
  Link* tail_;
  std::size_t count_ = 0;
  // Walks running now, and the entries removed meanwhile.
  mutable int walks_ = 0;
  mutable std::vector<LinkPtr> removed_;
};

}  // namespace tolvex
