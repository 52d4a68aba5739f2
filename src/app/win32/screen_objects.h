// Hands newly built screen objects to the shell, which owns and later
// deletes them. Only the screen builders use this.
#pragma once

namespace trelux {

class PuzzleModel;
class ScreenView;
class ScreenController;

void adoptModel(PuzzleModel* model);
void adoptView(ScreenView* view);
void adoptController(ScreenController* controller);

}  // namespace trelux
