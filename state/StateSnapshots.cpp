#include "platform/Guard.h"
#include "state/GameState.h"

namespace kobu {

void installStateSnapshots() {
    // The copy is cheap: numbers and implicitly shared texts.
    platform::setSnapshotHook([] {
        GameState copy = game();
        return platform::RestoreFn([copy = std::move(copy)] { game() = copy; });
    });
}

} // namespace kobu
