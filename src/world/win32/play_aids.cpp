#include "world/win32/play_aids.h"

#include "gfx/win32/game_view.h"
#include "world/play_session.h"

namespace trelux {

PlayAids::PlayAids(PlayModel& model, GameView& view, PlaySession& session, PlayEffects& effects,
                   uint64_t hintStates)
    : view_(view),
      window_(view.window()),
      session_(session),
      aids_(model, session, effects, *this, hintStates) {
  view_.setPlayPanel(this);
}

PlayAids::~PlayAids() { view_.setPlayPanel(nullptr); }

bool PlayAids::handleKey(WPARAM key) {
  if (key == kUndoKey) {
    aids_.undo();
  } else if (key == kHintKey) {
    aids_.askHint();
  } else {
    return false;
  }
  return true;
}

PlayPanel PlayAids::playPanel() {
  return {session_.moves(), session_.best(), aids_.note(), aids_.hint()};
}

void PlayAids::redrawPanel() { view_.redrawPlayPanel(); }

void PlayAids::hintSearchEnded(uint32_t number) {
  PostMessageA(window_, kHintFoundMessage, number, 0);
}

void PlayAids::parSearchEnded(uint32_t number) {
  PostMessageA(window_, kParFoundMessage, number, 0);
}

}  // namespace trelux
