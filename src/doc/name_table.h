// A table of named entries with a fixed number of buckets, each a chain in
// insertion order. The storage order (bucket 0 to 99, each chain from first
// to last) decides the order in which a keyed document is saved, so the
// table never grows, rehashes or moves an entry.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "doc/name_hash.h"

namespace trelux {

template <class Entry>
class NameTable {
 public:
  static constexpr uint32_t kBucketCount = 100;

  Entry* find(const std::string& name) const {
    for (const auto& entry : bucketFor(name)) {
      if (entry->name == name) return entry.get();
    }
    return nullptr;
  }

  // Appends a new entry at the end of its chain; callers check find first.
  Entry& append(std::string name) {
    auto& chain = buckets_[nameHash(name) % kBucketCount];
    chain.push_back(std::make_unique<Entry>());
    chain.back()->name = std::move(name);
    return *chain.back();
  }

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

  const Chain& bucketFor(const std::string& name) const {
    return buckets_[nameHash(name) % kBucketCount];
  }

  std::array<Chain, kBucketCount> buckets_;
};

}  // namespace trelux
