#include "solver/solver.h"

#include <algorithm>
#include <vector>

#include "solver/solver_rules.h"
#include "world/level_grid.h"

namespace trelux {

namespace {

// ---- Packed states and the table of states seen --------------------------------

struct Packed {
  uint64_t lo = 0;
  uint64_t hi = 0;
  bool operator==(const Packed&) const = default;
};

class Packing {
 public:
  explicit Packing(size_t objects) : objects_(objects) {}

  Packed pack(const SolverState& s) const {
    Packed p;
    put(p, 0, 9, static_cast<uint64_t>(s.robot));
    put(p, 9, 2, static_cast<uint64_t>(s.direction));
    for (size_t i = 0; i < objects_; ++i) put(p, 11 + 9 * i, 9, s.objects[i]);
    return p;
  }

  SolverState unpack(const Packed& p) const {
    SolverState s;
    s.robot = static_cast<int32_t>(get(p, 0, 9));
    s.direction = directionOf(static_cast<int32_t>(get(p, 9, 2)));
    s.objects.resize(objects_);
    for (size_t i = 0; i < objects_; ++i) s.objects[i] = static_cast<uint16_t>(get(p, 11 + 9 * i, 9));
    return s;
  }

 private:
  // Fields are at most 9 bits wide and may straddle the two words.
  static void put(Packed& p, size_t bit, size_t width, uint64_t value) {
    if (bit < 64) p.lo |= value << bit;
    if (bit + width > 64) p.hi |= bit >= 64 ? value << (bit - 64) : value >> (64 - bit);
  }
  static uint64_t get(const Packed& p, size_t bit, size_t width) {
    const uint64_t mask = (uint64_t{1} << width) - 1;
    if (bit >= 64) return (p.hi >> (bit - 64)) & mask;
    uint64_t value = p.lo >> bit;
    if (bit + width > 64) value |= p.hi << (64 - bit);
    return value & mask;
  }

  size_t objects_;
};

struct Node {
  Packed state;
  uint32_t parent = 0;
  uint8_t key = 0;
};

uint64_t mix(uint64_t x) {
  x ^= x >> 33;
  x *= 0xFF51AFD7ED558CCDull;
  x ^= x >> 33;
  x *= 0xC4CEB9FE1A85EC53ull;
  return x ^ (x >> 33);
}

// Open addressing over indexes into the node list; 0 marks a free slot.
class SeenStates {
 public:
  SeenStates() : slots_(1 << 16, 0) {}

  // Adds the node's state; false when the state was there already.
  bool insert(const std::vector<Node>& nodes, uint32_t index) {
    if ((count_ + 1) * 2 > slots_.size()) grow(nodes);
    return place(nodes, index);
  }

 private:
  bool place(const std::vector<Node>& nodes, uint32_t index) {
    const Packed& s = nodes[index].state;
    size_t slot = mix(s.lo ^ mix(s.hi)) & (slots_.size() - 1);
    while (slots_[slot] != 0) {
      if (nodes[slots_[slot] - 1].state == s) return false;
      slot = (slot + 1) & (slots_.size() - 1);
    }
    slots_[slot] = index + 1;
    ++count_;
    return true;
  }

  void grow(const std::vector<Node>& nodes) {
    std::vector<uint32_t> old(slots_.size() * 2, 0);
    old.swap(slots_);
    count_ = 0;
    for (uint32_t entry : old) {
      if (entry != 0) place(nodes, entry - 1);
    }
  }

  std::vector<uint32_t> slots_;
  size_t count_ = 0;
};

std::string keysTo(const std::vector<Node>& nodes, uint32_t index) {
  std::string keys;
  for (; index != 0; index = nodes[index].parent) keys += kSolverKeyLetters[nodes[index].key];
  std::reverse(keys.begin(), keys.end());
  return keys;
}

// ---- The search ------------------------------------------------------------------

// How often, in states expanded, a search looks at its cancel flag and
// reports its progress: often enough to stop within milliseconds.
constexpr size_t kReportEvery = 1024;

SolveResult search(SolverBoard& board, Position robotStart, const SolveLimits& limits) {
  SolverRules rules(board);
  const Packing packing(board.objectCount());
  SolveResult result;
  std::vector<Node> nodes{{packing.pack(rules.start(robotStart)), 0, 0}};
  SeenStates seen;
  seen.insert(nodes, 0);
  size_t levelEnd = 1;
  for (size_t next = 0; next < nodes.size(); ++next) {
    if (next == levelEnd) {
      ++result.depth;
      levelEnd = nodes.size();
    }
    const SolverState state = packing.unpack(nodes[next].state);
    for (uint8_t key = 0; key < 4; ++key) {
      bool won = false;
      const std::optional<SolverState> after = rules.apply(state, static_cast<SolverKey>(key), won);
      if (!after) continue;
      nodes.push_back({packing.pack(*after), static_cast<uint32_t>(next), key});
      if (won) {
        result.outcome = SolveOutcome::Solved;
        result.keys = keysTo(nodes, static_cast<uint32_t>(nodes.size() - 1));
        result.states = nodes.size();
        result.arrangements = board.arrangementsSeen();
        return result;
      }
      if (!seen.insert(nodes, static_cast<uint32_t>(nodes.size() - 1))) nodes.pop_back();
      if (nodes.size() > limits.maxStates) {
        result.outcome = SolveOutcome::LimitReached;
        result.states = nodes.size();
        result.arrangements = board.arrangementsSeen();
        return result;
      }
    }
    if (next % kReportEvery == 0) {
      if (limits.statesSeen) limits.statesSeen->store(nodes.size(), std::memory_order_relaxed);
      if (limits.cancel && limits.cancel->load(std::memory_order_relaxed)) {
        result.outcome = SolveOutcome::Cancelled;
        result.states = nodes.size();
        result.arrangements = board.arrangementsSeen();
        return result;
      }
    }
  }
  result.outcome = SolveOutcome::NoSolution;
  result.states = nodes.size();
  result.arrangements = board.arrangementsSeen();
  return result;
}

}  // namespace

SolveResult solveLevel(LevelGrid& grid, const SolveLimits& limits) {
  SolverBoard board(grid);
  if (board.tooManyObjects() || board.objectCount() > kMaxSolverObjects || grid.width() * grid.height() > 512 ||
      !grid.inBounds(grid.start().x, grid.start().y)) {
    SolveResult result;
    result.outcome = SolveOutcome::Unsupported;
    return result;
  }
  SolverRules rules(board);
  // The completion test runs after every key, so a level that starts won is
  // won by any one key.
  if (rules.isComplete(rules.start(grid.start()))) {
    SolveResult result;
    result.outcome = SolveOutcome::Solved;
    result.keys = "S";
    result.states = 1;
    return result;
  }
  return search(board, grid.start(), limits);
}

}  // namespace trelux
