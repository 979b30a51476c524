#pragma once
// Where the game goes next. Every move from one screen to another is here, so
// the flow of a game reads in one file:
//
//   name entry -> town (menu + status, town music)
//   town -> shop -> recovery items / power-ups -> shop -> town
//   town -> items -> town
//   town -> match (match music) -> lost: town | won: allocation -> town
//                               -> won the last round: ending -> name entry
//   town -> secret code window (Page Up) -> the ending at once
//
// A window that leaves is closed (or hidden, where it keeps its contents) and
// the next one shown. Message boxes stay with the windows that ask them.

namespace platform {
class GameWindow;
}

namespace kobu {

class AllocationWindow;
class BattleWindow;
class ItemsWindow;
class NameEntryWindow;
class SecretCodeWindow;

namespace navigation {

// Name entry's OK: the status window and the town menu, the town music.
void enterTown(NameEntryWindow& from);

// From the town menu.
void toShop();
void toItems();
// A match that cannot start (no opponent for the round) throws from the
// battle's load before the menu is hidden: the player stays in town.
void toMatch();
void toSecretCode();

// Back to the town menu, closing `from`.
void backToTown(platform::GameWindow& from);
// The item window's back button: hidden, its contents kept.
void backToTownHiding(ItemsWindow& from);
// The town menu again, where the player closed a window with its close box.
void showTown();

// From the shop, and back to it.
void toRecoveryItems();
void toPowerUps();
void backToShop(platform::GameWindow& from);
// The shop again, where the player closed a window with its close box.
void showShop();

// The end of a match.
void afterLostMatch(BattleWindow& from);
void toAllocation(BattleWindow& from);
void toEnding(BattleWindow& from);
void afterAllocation(AllocationWindow& from);
// A match given up after a run-time error: the skill in force ends, the
// battle and skills windows close, the town menu and its music come back.
void abandonMatch();

// The second secret code plays the ending at once.
void secretEnding(SecretCodeWindow& from);
// The ending's "once more": a fresh name entry.
void toNameEntry();

} // namespace navigation
} // namespace kobu
