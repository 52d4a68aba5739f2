#include "editor/editor_session.h"

#include <algorithm>
#include <utility>

#include "editor/editor_checks.h"
#include "editor/editor_model.h"
#include "editor/palette.h"

namespace trelux {
namespace {

constexpr int32_t kRingCells = 2;

}  // namespace

// ---- Placing -------------------------------------------------------------------

// Nothing is ever placed under the robot, and placing the robot's start
// clears its new cell to floor.
EditorSession::Click EditorSession::click(const PaletteTool& tool, int32_t x, int32_t y) {
  if (!model_.isInterior(x, y)) return Click::Outside;
  const Position robot = model_.robotPosition();
  const bool underRobot = robot.x == x && robot.y == y;
  if (tool.isRobotStart()) {
    if (underRobot) return Click::Unchanged;
    model_.setRobotStart(x, y);
    model_.placeObject(ObjectKind::Floor, x, y, 0, 0);
  } else {
    if (underRobot || model_.tileAt(x, y) == tool.tile) return Click::Unchanged;
    if (!model_.placeObject(static_cast<ObjectKind>(tool.kind), x, y, tool.colour, tool.variant))
      return Click::Unchanged;
  }
  edited();
  return Click::Changed;
}

void EditorSession::edited() {
  modified_ = true;
  model_.keepEdits();
}

// ---- Levels --------------------------------------------------------------------

// The set edited before is closed, its working copy gone, whatever comes of
// the new one. Restored edits are still unsaved.
bool EditorSession::openSet(const std::string& levelFile, const std::string& descriptor,
                            const std::string& folder, const std::string& leftCopy) {
  modified_ = !leftCopy.empty();
  const bool loaded =
      leftCopy.empty() ? model_.loadSet(levelFile) : model_.restoreSet(levelFile, leftCopy);
  model_.setSetPaths(levelFile, descriptor, folder);
  return loaded && model_.goToLevel(0);
}

bool EditorSession::createSet(const std::string& name) {
  modified_ = false;
  return model_.createPuzzleSet(name);
}

bool EditorSession::commit() { return model_.commitLevel(); }

EditorSession::Step EditorSession::stepTo(int32_t index) {
  return model_.goToLevel(index) ? Step::Moved : Step::LoadFailed;
}

EditorSession::Step EditorSession::next() {
  if (!commit()) return Step::CommitFailed;
  if (model_.puzzleSet().isLastLevel()) return Step::AtEnd;
  return stepTo(model_.currentLevel() + 1);
}

EditorSession::Step EditorSession::previous() {
  if (!commit()) return Step::CommitFailed;
  if (model_.currentLevel() == 0) return Step::AtStart;
  return stepTo(model_.currentLevel() - 1);
}

EditorSession::GoTo EditorSession::goTo(int32_t number) {
  const int32_t index = number - 1;
  if (index == model_.currentLevel()) return GoTo::Same;
  return model_.goToLevel(index) ? GoTo::Moved : GoTo::Missing;
}

bool EditorSession::addLevel() {
  if (!commit() || !model_.addLevel()) return false;
  edited();
  return true;
}

bool EditorSession::deleteLevel() {
  if (!model_.deleteLevel()) return false;
  edited();
  return true;
}

// Clearing is an edit like any other, so leaving afterwards asks about it.
void EditorSession::clearLevel() {
  for (int32_t x = 1; x <= model_.gridWidth() - kRingCells; ++x)
    for (int32_t y = 1; y <= model_.gridHeight() - kRingCells; ++y)
      model_.placeObject(ObjectKind::Floor, x, y, 0, 0);
  edited();
}

// ---- Size ----------------------------------------------------------------------

// Each side is taken as one byte, as the dialog has always shown it.
InteriorSize EditorSession::interiorSize() const {
  return {static_cast<uint8_t>(model_.gridWidth() - kRingCells),
          static_cast<uint8_t>(model_.gridHeight() - kRingCells)};
}

EditorSession::Resize EditorSession::planResize(int32_t interiorWidth, int32_t interiorHeight) const {
  const int32_t width = interiorWidth + kRingCells;
  const int32_t height = interiorHeight + kRingCells;
  if (width == model_.gridWidth() && height == model_.gridHeight()) return Resize::Unchanged;
  if (width < model_.gridWidth() || height < model_.gridHeight()) return Resize::Shrinks;
  return Resize::Grows;
}

void EditorSession::resize(int32_t interiorWidth, int32_t interiorHeight) {
  model_.resizeLevel(interiorWidth + kRingCells, interiorHeight + kRingCells);
  const Position start = model_.robotPosition();
  if (!model_.isInterior(start.x, start.y)) {
    const int32_t x = std::clamp(start.x, 1, interiorWidth);
    const int32_t y = std::clamp(start.y, 1, interiorHeight);
    model_.setRobotStart(x, y);
    model_.placeObject(ObjectKind::Floor, x, y, 0, 0);
  }
  edited();
}

// ---- Texts ---------------------------------------------------------------------

void EditorSession::setDescription(bool enabled, std::string text) {
  model_.setLevelDescription(enabled, blankHighBytes(std::move(text)));
  edited();
}

bool EditorSession::setCompletionCode(bool enabled, std::string code) {
  const bool written = model_.setCompletionCode(enabled, blankHighBytes(std::move(code)));
  edited();
  return written;
}

// ---- Saving --------------------------------------------------------------------

bool EditorSession::save() {
  if (!model_.saveSet()) return false;
  modified_ = false;
  return true;
}

EditorSession::Close EditorSession::answerUnsaved(Answer answer) {
  switch (answer) {
    case Answer::Yes: return save() ? Close::Leave : Close::SaveFailed;
    // The edits are given up only when another set takes their place or the
    // editor ends: an Open or a New cancelled afterwards keeps them, unsaved.
    case Answer::No: return Close::Leave;
    case Answer::Cancel: break;
  }
  return Close::Stay;
}

}  // namespace trelux
