#include "platform/Cp932.h"

#include <QFile>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

using platform::cp932Field;
using platform::fromCp932;
using platform::toCp932;

namespace {

// Every text the game shows or stores: the translation's sources hold them
// all, so a text added to the game is checked here without a copy of it.
QStringList gameTexts() {
    QFile f(QStringLiteral(KOBUSATO_SOURCE_DIR "/assets/translations/kobusato_en.ts"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&f);
    QStringList texts;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != QLatin1String("source"))
            continue;
        // A control character is written as <byte value="xd"/> inside the text.
        QString text;
        for (xml.readNext();
             !xml.atEnd() && !(xml.isEndElement() && xml.name() == QLatin1String("source"));
             xml.readNext()) {
            if (xml.isCharacters())
                text += xml.text();
            else if (xml.isStartElement() && xml.name() == QLatin1String("byte"))
                text += QChar(
                    xml.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
        }
        texts.append(text);
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    // The captions that no translation changes.
    texts.append(QStringLiteral("↑↓"));
    return texts;
}

} // namespace

TEST(Cp932, EveryGameTextSurvivesARoundTrip) {
    const QStringList texts = gameTexts();
    ASSERT_GT(texts.size(), 150);
    EXPECT_TRUE(
        texts.contains(QStringLiteral("これ以上アップグレードできません\n\rすでに最高ランクです")));
    for (const QString& text : texts) {
        const QByteArray bytes = toCp932(text);
        EXPECT_FALSE(bytes.contains('?')) << text.toStdString();
        EXPECT_EQ(fromCp932(bytes), text) << text.toStdString();
    }
}

TEST(Cp932, WaveDashIsTheMicrosoftMapping) {
    EXPECT_EQ(toCp932(QStringLiteral("～")), QByteArray("\x81\x60"));
    EXPECT_EQ(fromCp932(QByteArray("\x81\x60")), QStringLiteral("～"));
}

TEST(Cp932, HalfWidthKatakanaIsOneByte) {
    EXPECT_EQ(toCp932(QStringLiteral("ﾎﾟｯﾌﾟ")), QByteArray("\xce\xdf\xaf\xcc\xdf"));
    EXPECT_EQ(toCp932(QStringLiteral("･")), QByteArray("\xa5"));
    EXPECT_EQ(fromCp932(QByteArray("\xce\xdf\xaf\xcc\xdf")), QStringLiteral("ﾎﾟｯﾌﾟ"));
}

TEST(Cp932, UnmappableAndBrokenInputDoNotStopTheConversion) {
    EXPECT_EQ(toCp932(QStringLiteral("a😀b")), QByteArray("a?b"));
    // A lead byte with nothing after it.
    const QString s = fromCp932(QByteArray("ab\x82"));
    EXPECT_TRUE(s.startsWith(QStringLiteral("ab")));
}

TEST(Cp932, FieldIsPaddedAndNeverSplitsACharacter) {
    EXPECT_EQ(cp932Field(QStringLiteral("abc"), 6), QByteArray("abc   "));
    // Four double-byte characters are 8 bytes; at 7 the fourth would split.
    const QByteArray f = cp932Field(QStringLiteral("ノーマル"), 7);
    EXPECT_EQ(f.size(), 7);
    EXPECT_EQ(fromCp932(f), QStringLiteral("ノーマ "));
    EXPECT_EQ(cp932Field(QStringLiteral("ノーマル"), 8), toCp932(QStringLiteral("ノーマル")));
    EXPECT_EQ(cp932Field(QString(), 3), QByteArray("   "));
    // Half-width katakana counts one byte each.
    EXPECT_EQ(cp932Field(QStringLiteral("ﾎﾟｯﾌﾟ体"), 6), QByteArray("\xce\xdf\xaf\xcc\xdf "));
}
