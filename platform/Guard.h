#pragma once
// Every event handler of the game is entered through runGuarded. A run-time
// error inside it never reaches Qt's event loop: the game state is put back as
// it was when the event began, the player is told in one box, and play goes on.

#include <functional>

namespace platform {

class GameWindow;

// How the guard saves and restores the game state: the hook returns a closure
// that puts back the state as it was when the hook was called.
using RestoreFn = std::function<void()>;
void setSnapshotHook(std::function<RestoreFn()> hook);

// Runs `fn`. On an error: restore, one message box, then `form`'s recovery
// (Form::onError) when the form is still loaded.
void runGuarded(GameWindow* form, const std::function<void()>& fn);

// Handlers currently running (0 when control is in the event loop).
int guardDepth();

// Called when the outermost handler returns; the window layer frees what was
// unloaded meanwhile.
void setOutermostExitHook(std::function<void()> hook);

} // namespace platform
