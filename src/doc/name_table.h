// A table of named entries with a fixed number of buckets, each a chain in
// insertion order. The storage order (bucket 0 to 99, each chain from first
// to last) decides the order in which a keyed document is saved, so the
// table never grows, rehashes or moves an entry. Lookups go through an index
// of their own: names crafted to share one bucket would otherwise make each
// lookup walk the whole chain (a manifest from a hostile server).
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "doc/name_hash.h"

namespace trelux {

template <class Entry>
class NameTable {
 public:
  static constexpr uint32_t kBucketCount = 100;

  Entry* find(const std::string& name) const {
    const auto found = index_.find(name);
    return found == index_.end() ? nullptr : found->second;
  }

  // Appends a new entry at the end of its chain; callers check find first.
  Entry& append(std::string name) {
    auto& chain = buckets_[nameHash(name) % kBucketCount];
    chain.push_back(std::make_unique<Entry>());
    Entry& entry = *chain.back();
    entry.name = std::move(name);
    // The entry never moves and its name never changes: the view stays good.
    index_.emplace(entry.name, &entry);
    return entry;
  }

  size_t size() const { return index_.size(); }

  Entry& findOrAppend(const std::string& name) {
    Entry* entry = find(name);
    return entry ? *entry : append(name);
  }

  template <class Visit>
  void forEach(Visit&& visit) const {
    for (const auto& chain : buckets_) {
      for (const auto& entry : chain) visit(static_cast<const Entry&>(*entry));
    }
  }

 private:
  using Chain = std::vector<std::unique_ptr<Entry>>;

  std::array<Chain, kBucketCount> buckets_;
  std::unordered_map<std::string_view, Entry*> index_;
};

}  // namespace trelux
