#include "solver/solver_rules.h"

namespace trelux {

SolverState SolverRules::start(Position robot, Direction direction) {
  return {table_.intern(board_.startArrangement()), board_.cellIndex(robot), direction};
}

}  // namespace trelux
