#pragma once

class QMenu;
class QMenuBar;

namespace platform {

// Adds the language menu to a window's menu bar: "言語 (Language)" with the
// items "日本語" and "English", the current one checked. Its texts are the
// same in both languages, so that a player who reads neither the menu's
// language nor the other finds it. Choosing an item applies it at once and
// remembers it.
QMenu* addLanguageMenu(QMenuBar* bar);

} // namespace platform
