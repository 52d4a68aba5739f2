#include "solver/solver_rules.h"

namespace trelux {

SolverState SolverRules::start(Position robotStart) const {
  return {board_.cellIndex(robotStart), kNorth, board_.startArrangement()};
}

std::optional<size_t> SolverRules::objectAt(const SolverState& state, int32_t cell) const {
  for (size_t i = 0; i < state.objects.size(); ++i) {
    if (state.objects[i] == cell) return i;
  }
  return std::nullopt;
}

bool SolverRules::isFree(const SolverState& state, Position p) const {
  return board_.isGround(p) && !objectAt(state, board_.cellIndex(p));
}

std::optional<SolverState> SolverRules::stepTo(const SolverState& state, Position to) {
  if (!isFree(state, to)) return std::nullopt;
  const int32_t cell = board_.cellIndex(to);
  if (board_.isLit(board_.lightOf(state.objects), cell)) return std::nullopt;
  SolverState next = state;
  next.robot = cell;
  return next;
}

std::optional<SolverState> SolverRules::moveObject(const SolverState& state, size_t object, Position to,
                                                   Position robotTo) {
  SolverState next = state;
  next.objects[object] = static_cast<uint16_t>(board_.cellIndex(to));
  board_.normalise(next.objects);
  next.robot = board_.cellIndex(robotTo);
  if (board_.isLit(board_.lightOf(next.objects), next.robot)) return std::nullopt;
  return next;
}

std::optional<SolverState> SolverRules::apply(const SolverState& state, SolverKey key, bool& won) {
  won = false;
  std::optional<SolverState> next;
  const Position robot = board_.positionOf(state.robot);
  const Position ahead = step(robot, state.direction);
  const Position behind = step(robot, opposite(state.direction));
  const std::optional<size_t> front =
      board_.isGround(ahead) ? objectAt(state, board_.cellIndex(ahead)) : std::nullopt;
  switch (key) {
    case SolverKey::Left:
    case SolverKey::Right:
      next = state;
      next->direction = key == SolverKey::Left ? counterClockwise(state.direction) : clockwise(state.direction);
      break;
    case SolverKey::Up: {
      const Position beyond = step(ahead, state.direction);
      next = front && isFree(state, beyond) ? moveObject(state, *front, beyond, ahead) : front ? std::nullopt
                                                                                               : stepTo(state, ahead);
      break;
    }
    case SolverKey::Down:
      next = front && isFree(state, behind) ? moveObject(state, *front, robot, behind) : stepTo(state, behind);
      break;
  }
  won = isComplete(next ? *next : state);
  return next;
}

}  // namespace trelux
