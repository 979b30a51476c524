#pragma once

#include <QString>

namespace testing_support {

// Kana, kanji, Japanese punctuation and full-width forms: none of them belongs
// in the English game.
inline bool readsJapanese(const QString& s) {
    for (const QChar c : s) {
        const char16_t u = c.unicode();
        if ((u >= 0x3000 && u <= 0x9fff) || (u >= 0xff00 && u <= 0xffef))
            return true;
    }
    return false;
}

} // namespace testing_support
