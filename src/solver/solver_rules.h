// The robot's moves over the solver's states, decided with the board's cached
// light instead of a live grid. They follow the play screen's key handling:
// a push or pull needs a pushable object ahead and a free cell beyond it (or
// behind the robot); otherwise a step needs a free cell; a step, push or pull
// that leaves the robot's cell lit is zapped and changes nothing; turns always
// succeed; the level is won when, after a key, every sensor is lit. Tests
// replay random key sequences through both these rules and the game's own
// moves and require the same robot, objects and wins after every key.
#pragma once

#include <cstdint>
#include <optional>

#include "solver/solver_board.h"

namespace trelux {

struct SolverState {
  int32_t robot = 0;  // cell index
  Direction direction = kNorth;
  Arrangement objects;
  bool operator==(const SolverState&) const = default;
};

enum class SolverKey : uint8_t { Up, Down, Left, Right };
constexpr const char* kSolverKeyLetters = "UDLR";

class SolverRules {
 public:
  explicit SolverRules(SolverBoard& board) : board_(board) {}

  // The robot at its start facing north, the objects where the level has them.
  SolverState start(Position robotStart) const;
  // The state after key; nullopt when the key changes nothing (blocked or
  // zapped). won is set when the level is complete after the key.
  std::optional<SolverState> apply(const SolverState& state, SolverKey key, bool& won);
  bool isComplete(const SolverState& state) { return board_.lightOf(state.objects).complete; }

 private:
  std::optional<size_t> objectAt(const SolverState& state, int32_t cell) const;
  bool isFree(const SolverState& state, Position p) const;
  std::optional<SolverState> stepTo(const SolverState& state, Position to);
  std::optional<SolverState> moveObject(const SolverState& state, size_t object, Position to, Position robotTo);

  SolverBoard& board_;
};

}  // namespace trelux
