#include "platform/Language.h"

#include "platform/Process.h"
#include "platform/Say.h"
#include "platform/Settings.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>
#include <cstdio>
#include <string_view>

namespace platform {
namespace {

struct State {
    Language current = Language::Japanese;
    // Both belong to the application object, which deletes them with it.
    QPointer<QTranslator> qtJapanese; // Qt's own texts (はい, いいえ, キャンセル)
    QPointer<QTranslator> english;    // the game's English
    bool qtJapaneseMissing = false;
    bool qtJapaneseInstalled = false;
};

State& state() {
    static State s;
    return s;
}

const QString kLanguageKey = QStringLiteral("language");

QString codeOf(Language l) {
    return l == Language::English ? QStringLiteral("en") : QStringLiteral("ja");
}

std::optional<Language> languageOfCode(std::string_view code) {
    if (code == "ja")
        return Language::Japanese;
    if (code == "en")
        return Language::English;
    return std::nullopt;
}

QString englishFile() {
    return programFolder() + QStringLiteral("/translations/kobusato_en.qm");
}

void installQtJapanese() {
    State& s = state();
    if (!s.qtJapanese) {
        // None yet, or it went with an application object before this one.
        s.qtJapaneseInstalled = false;
        if (s.qtJapaneseMissing)
            return;
        auto* t = new QTranslator(QCoreApplication::instance());
        if (t->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                    QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            s.qtJapanese = t;
        } else {
            delete t;
            s.qtJapaneseMissing = true;
            std::fprintf(stderr,
                         "kobusato: Japanese button texts not found (qt6-translations-l10n)\n");
            return;
        }
    }
    if (s.qtJapanese && !s.qtJapaneseInstalled)
        s.qtJapaneseInstalled = QCoreApplication::installTranslator(s.qtJapanese);
}

void removeQtJapanese() {
    State& s = state();
    if (s.qtJapanese && s.qtJapaneseInstalled)
        QCoreApplication::removeTranslator(s.qtJapanese);
    s.qtJapaneseInstalled = false;
}

} // namespace

LanguageOption languageOption(int argc, const char* const* argv) {
    LanguageOption out;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--")
            break;
        std::string_view value;
        if (arg.starts_with("--lang=")) {
            value = arg.substr(7);
        } else if (arg == "--lang") {
            if (i + 1 >= argc) {
                out.language.reset();
                out.error = "--lang needs a language: --lang=ja or --lang=en";
                return out;
            }
            value = argv[++i];
        } else {
            continue;
        }
        out.language = languageOfCode(value);
        if (!out.language) {
            out.error = "unknown language '" + std::string(value) +
                        "' for --lang: use --lang=ja (Japanese) or --lang=en (English)";
            return out;
        }
    }
    return out;
}

bool applyLanguage(Language language) {
    State& s = state();
    if (!QCoreApplication::instance())
        return false;
    if (language == Language::Japanese) {
        // Qt's texts first, so that no moment shows English buttons in the
        // Japanese game.
        installQtJapanese();
        if (s.english) {
            QCoreApplication::removeTranslator(s.english);
            delete s.english;
        }
        s.current = Language::Japanese;
        return true;
    }
    // Read afresh each time: the file may have come or gone since.
    const QString file = englishFile();
    auto* t = new QTranslator(QCoreApplication::instance());
    if (!t->load(file) || t->isEmpty()) {
        delete t;
        sayOnce(file,
                QStringLiteral("the English translation %1 could not be read; the game stays %2")
                    .arg(file, s.current == Language::English ? QStringLiteral("English")
                                                              : QStringLiteral("Japanese")));
        return s.current == Language::English;
    }
    QCoreApplication::installTranslator(t);
    if (s.english) {
        QCoreApplication::removeTranslator(s.english);
        delete s.english;
    }
    s.english = t;
    // Qt's source texts are English: no translation of its own.
    removeQtJapanese();
    s.current = Language::English;
    return true;
}

Language currentLanguage() {
    return state().current;
}

Language rememberedLanguage() {
    const QString code = setting(kLanguageKey).toString();
    if (code.isEmpty())
        return Language::Japanese;
    if (const auto l = languageOfCode(code.toStdString()))
        return *l;
    sayOnce(
        settingsFile(),
        QStringLiteral("%1: unknown language '%2' (ja or en); Japanese").arg(settingsFile(), code));
    return Language::Japanese;
}

void startLanguage(std::optional<Language> forThisRun) {
    applyLanguage(forThisRun ? *forThisRun : rememberedLanguage());
}

void chooseLanguage(Language language) {
    if (!applyLanguage(language))
        return;
    remember({{kLanguageKey, codeOf(language)}}, QStringLiteral("the language"));
}

QString localizedPicture(const QString& path) {
    if (currentLanguage() != Language::English)
        return path;
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString english = path.left(slash + 1) + QStringLiteral("en/") + path.mid(slash + 1);
    // Pictures without lettering have no English one.
    return QFile::exists(english) ? english : path;
}

} // namespace platform
