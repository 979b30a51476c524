#include "app/HelpText.h"

#include "platform/Resources.h"

namespace kobu {
namespace {

const QString kJapaneseMarker = QStringLiteral("<!-- 日本語 -->");
const QString kEnglishMarker = QStringLiteral("<!-- English -->");

} // namespace

QString guideIn(const QString& guide, platform::Language language) {
    const bool english = language == platform::Language::English;
    const QString& marker = english ? kEnglishMarker : kJapaneseMarker;
    const qsizetype at = guide.indexOf(marker);
    if (at < 0)
        return {};
    const qsizetype from = at + marker.size();
    // Either half may come first; the other's marker ends it.
    const qsizetype end = guide.indexOf(english ? kJapaneseMarker : kEnglishMarker, from);
    return guide.mid(from, end < 0 ? -1 : end - from).trimmed();
}

QString howToPlay(platform::Language language) {
    return guideIn(platform::builtInText(QStringLiteral(":/help/how_to_play.md")), language);
}

} // namespace kobu
