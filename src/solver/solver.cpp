#include "solver/solver.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <sstream>
#include <utility>
#include <vector>

#include "solver/arrangement_table.h"
#include "solver/solver_rules.h"
#include "solver/unwinnable.h"
#include "world/level_codec.h"
#include "world/level_grid.h"

namespace trelux {

namespace {

// A state met, in the order met, with the key that first led to it.
struct Node {
  uint32_t arrangement = 0;
  uint16_t robot = 0;
  uint8_t direction = 0;
  uint8_t key = 0;
  uint32_t parent = 0;
};

// The states met, in chunks, so that a growing search never copies what it
// holds nor needs it all in one block of memory (the game is a 32-bit
// program).
class NodeList {
 public:
  size_t size() const { return size_; }
  const Node& operator[](size_t i) const { return chunks_[i >> kChunkBits][i & kChunkMask]; }
  void push_back(const Node& node) {
    if ((size_ >> kChunkBits) == chunks_.size()) chunks_.push_back(std::make_unique<Node[]>(kChunkMask + 1));
    chunks_[size_ >> kChunkBits][size_ & kChunkMask] = node;
    ++size_;
  }

 private:
  static constexpr size_t kChunkBits = 16;
  static constexpr size_t kChunkMask = (size_t{1} << kChunkBits) - 1;
  std::vector<std::unique_ptr<Node[]>> chunks_;
  size_t size_ = 0;
};

// The states seen: per arrangement, one bit per robot cell and direction.
// A state is a bit test away, and the bits of the arrangements a search
// never leaves stay close together.
class SeenStates {
 public:
  explicit SeenStates(int32_t cells) : stride_((static_cast<size_t>(cells) * 4 + kWordBits - 1) / kWordBits) {}

  // Marks the state; false when it was marked already.
  bool insert(const SolverState& s) {
    const size_t first = size_t{s.arrangement} * stride_;
    if (first >= bits_.size()) bits_.resize(std::max(bits_.size() * 2, first + stride_), 0);
    const auto bit = static_cast<size_t>(s.robot) * 4 + static_cast<size_t>(s.direction);
    BitWord& word = bits_[first + bit / kWordBits];
    const BitWord mask = BitWord{1} << (bit % kWordBits);
    if (word & mask) return false;
    word |= mask;
    return true;
  }

 private:
  size_t stride_;
  std::vector<BitWord> bits_;
};

std::string keysTo(const NodeList& nodes, uint32_t index) {
  std::string keys;
  for (; index != 0; index = nodes[index].parent) keys += kSolverKeyLetters[nodes[index].key];
  std::reverse(keys.begin(), keys.end());
  return keys;
}

SolverState stateOf(const Node& node) {
  return {node.arrangement, node.robot, static_cast<Direction>(node.direction)};
}

Node nodeOf(const SolverState& s, uint32_t parent, uint8_t key) {
  return {s.arrangement, static_cast<uint16_t>(s.robot), static_cast<uint8_t>(s.direction), key, parent};
}

// ---- The search ------------------------------------------------------------------

// How often, in states expanded, a search looks at its cancel flag and
// reports its progress: often enough to stop within milliseconds.
constexpr size_t kReportEvery = 1024;

SolveResult ended(SolveOutcome outcome, const NodeList& nodes, const ArrangementTable& table,
                  SolveResult result) {
  result.outcome = outcome;
  result.states = nodes.size();
  result.arrangements = table.size();
  return result;
}

SolveResult search(SolverRules& rules, const ArrangementTable& table, const SolverState& start, int32_t cells,
                   const SolveLimits& limits) {
  SolveResult result;
  NodeList nodes;
  nodes.push_back(nodeOf(start, 0, 0));
  SeenStates seen(cells);
  seen.insert(start);
  size_t levelEnd = 1;
  for (size_t next = 0; next < nodes.size(); ++next) {
    if (next == levelEnd) {
      ++result.depth;
      levelEnd = nodes.size();
    }
    const SolverState state = stateOf(nodes[next]);
    for (uint8_t key = 0; key < 4; ++key) {
      SolverState after;
      if (!rules.apply(state, static_cast<SolverKey>(key), after)) continue;
      if (rules.isComplete(after)) {
        nodes.push_back(nodeOf(after, static_cast<uint32_t>(next), key));
        result.keys = keysTo(nodes, static_cast<uint32_t>(nodes.size() - 1));
        return ended(SolveOutcome::Solved, nodes, table, result);
      }
      if (!seen.insert(after)) continue;
      nodes.push_back(nodeOf(after, static_cast<uint32_t>(next), key));
      if (nodes.size() > limits.maxStates) return ended(SolveOutcome::LimitReached, nodes, table, result);
    }
    if (next % kReportEvery == 0) {
      if (limits.statesSeen) limits.statesSeen->store(nodes.size(), std::memory_order_relaxed);
      if (limits.cancel && limits.cancel->load(std::memory_order_relaxed)) {
        return ended(SolveOutcome::Cancelled, nodes, table, result);
      }
    }
  }
  return ended(SolveOutcome::NoSolution, nodes, table, result);
}

bool isSearchable(const LevelGrid& grid, const SolverBoard& board, Position robot) {
  return !board.tooManyObjects() && board.objectCount() <= kMaxSolverObjects &&
         board.cellCount() <= kMaxSolverCells && grid.inBounds(robot.x, robot.y);
}

bool copyLevel(const LevelGrid& from, LevelGrid& to) {
  std::stringstream content;
  return writeLevelContent(content, from) && to.read(content);
}

}  // namespace

SolveResult solveFrom(const LevelGrid& level, Position robot, Direction direction, const SolveLimits& limits) {
  SolveResult result;
  LevelGrid grid;
  if (!copyLevel(level, grid)) {
    result.outcome = SolveOutcome::Unsupported;
    return result;
  }
  SolverBoard board(grid);
  if (!isSearchable(grid, board, robot)) {
    result.outcome = SolveOutcome::Unsupported;
    return result;
  }
  if (std::optional<std::string> reason = unwinnableReason(grid)) {
    result.reason = std::move(*reason);
    return result;  // NoSolution, with no state searched
  }
  ArrangementTable table(board);
  SolverRules rules(board, table, limits.zaps);
  const SolverState start = rules.start(robot, direction);
  // The completion test runs after every key, so a position already won is
  // won by any one key.
  if (rules.isComplete(start)) {
    result.outcome = SolveOutcome::Solved;
    result.keys = "S";
    result.states = 1;
    result.startsWon = true;
  } else {
    result = search(rules, table, start, board.cellCount(), limits);
  }
  return result;
}

SolveResult solveLevel(const LevelGrid& grid, const SolveLimits& limits) {
  return solveFrom(grid, grid.start(), kNorth, limits);
}

}  // namespace trelux
