#pragma once
// The language the game shows. Japanese is the game's own language and its
// source text; English is a translation the player chooses, for one run on
// the command line or for good in the language menu.

#include <QString>
#include <optional>
#include <string>

namespace platform {

enum class Language { Japanese, English };

// What the command line asks for: --lang=ja or --lang=en (also "--lang en").
// The last one given counts; "--" ends the options.
struct LanguageOption {
    std::optional<Language> language; // none: the remembered choice
    std::string error;                // not empty: a wrong option, to say before exiting with 2
};
LanguageOption languageOption(int argc, const char* const* argv);

// The run's language at start-up: the command line's for this run, else the
// one the player chose in the menu, else Japanese. Never the desktop's.
void startLanguage(std::optional<Language> forThisRun);

// Switches every open window, menu and box to `language` now, with Qt's own
// texts (Japanese button texts, none for English). When the English
// translation cannot be read, says so once on standard error and stays
// Japanese; returns whether the language is now the one asked for.
bool applyLanguage(Language language);

// The language menu's choice: applied at once and remembered for the user.
void chooseLanguage(Language language);

Language currentLanguage();
// The player's remembered choice; Japanese when none was made.
Language rememberedLanguage();

// The picture to show for `path` (a resource such as ":/ui/power_image1.png"
// or a file in the program folder): in English, the one painted with English
// lettering in the folder "en" beside it, where the picture has lettering;
// otherwise `path` itself.
QString localizedPicture(const QString& path);

} // namespace platform
