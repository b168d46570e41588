#pragma once
// A small cache that forgets the least recently used entry beyond a fixed count.

#include <cstddef>
#include <list>
#include <unordered_map>
#include <utility>

namespace aerolark {

template <typename Key, typename Value, typename Hash = std::hash<Key>>
class LruCache {
 public:
  explicit LruCache(std::size_t capacity) : capacity_(capacity) {}

  // The entry for `key`, now the most recent; null when absent.
  Value* Find(const Key& key) {
    const auto found = index_.find(key);
    if (found == index_.end()) return nullptr;
    entries_.splice(entries_.begin(), entries_, found->second);
    return &found->second->second;
  }

  // Stores `value` under `key` (replacing any) and returns it.
  Value& Put(const Key& key, Value value) {
    if (auto* existing = Find(key)) {
      *existing = std::move(value);
      return *existing;
    }
    entries_.emplace_front(key, std::move(value));
    index_.emplace(key, entries_.begin());
    if (entries_.size() > capacity_) {
      index_.erase(entries_.back().first);
      entries_.pop_back();
    }
    return entries_.front().second;
  }

  std::size_t Size() const { return entries_.size(); }
  void Clear() {
    index_.clear();
    entries_.clear();
  }

 private:
  using Entries = std::list<std::pair<Key, Value>>;
  std::size_t capacity_;
  Entries entries_;
  std::unordered_map<Key, typename Entries::iterator, Hash> index_;
};

}  // namespace aerolark
