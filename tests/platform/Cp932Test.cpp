#include "platform/Cp932.h"

#include <gtest/gtest.h>

using platform::cp932Field;
using platform::fromCp932;
using platform::toCp932;

namespace {

// Every text the game shows or stores, in one place: a round trip through the
// code page must give each back unchanged.
const char16_t* const kGameTexts[] = {
    u"折れそうなバット",
    u"ノーマルな服",
    u"ファイル",
    u"新規ゲーム",
    u"すと～り～",
    u"終了",
    u"終了してよろしいですか？",
    u"おわっちゃうの？",
    u"終了しますか？",
    u"終了してもよろしいですか？",
    u"確認",
    u"このげ～むのすと～りぃ",
    u"ある日、相当な金をつぎ込んで組み立てたパソコンを破壊してしまった男がいた。",
    u"新しいパソコンを組み立てようとしたが金がない",
    u"そんな時に、賞金50000Gという武道大会が開かれる",
    u"男は金を手に入れるべく武道大会会場へ向かう･････",
    u"めにゅ～",
    u"行動を指定してください",
    u"店に行く",
    u"アイテムを使う",
    u"準備完了　Battle Start!",
    u"セーブ",
    u"ロード",
    u"裏技コード！",
    u"裏技コードを入力してください！",
    u"戻る",
    u"コードが違います",
    u"エラー",
    u"コードが違います？",
    u"エラ～",
    u"コードが違います～",
    u"えら～",
    u"名前を決めよう",
    u"名前を決めてください。",
    u"（４文字以内）",
    u"OK！",
    u"名前を入力してください！",
    u"能力値振り分け",
    u"能力値",
    u"現在",
    u"結果",
    u"↑↓",
    u"振り分け方",
    u"左クリックをすると能力値がアップし、右クリックすると増えた能力値を訂正することができます。",
    u"残り振り分けポイント",
    u"ＯＫ！",
    u"これ以上下げられません",
    u"上限です",
    u"ポイントを使い切っています",
    u"現在値を下回っています",
    u"これ以上あげられません",
    u"これ以上さげられません",
    u"これでよろしいですか？",
    u"お～け～？",
    u"ステータス",
    u"技能",
    u"スピードの極意",
    u"気合攻撃",
    u"エネルギーブースト",
    u"ヒール",
    u"所持金不足",
    u"HP不足",
    u"450Gと4HP必要です",
    u"You need four HPs.よろしいですか",
    u"技能を使用中です",
    u"ｗキーで技能を使う",
    u"逃げるな",
    u"臆病者め！",
    u"スピード勝ち",
    u"スピードドロー",
    u"スピード負け",
    u"プレイヤー勝利",
    u"ドロー",
    u"プレイヤー負け",
    u"1回目",
    u"2回目",
    u"試合開始",
    u"回戦",
    u"負け",
    u"あなたの勝利です♪",
    u"ゲームクリアー",
    u"金持ちすぎ・・・・",
    u"金持ちすぎなんじゃ！",
    u"店",
    u"武器のアップグレート",
    u"防具のアップグレート",
    u"回復アイテム",
    u"パワーアップアイテム？",
    u"メニューに戻る",
    u"パワーアップアイテムの使用は、５回までです！",
    u"危険！",
    u"これ以上アップグレードできません",
    u"すでに最高ランクです",
    u"所持金が足りません",
    u"Ｇかかります。よろしいですか？",
    u"いくつ買いますか？",
    u"所持金",
    u"おいしい水道水",
    u"おいしい天然水",
    u"非人道的ソーダ",
    u"２０Ｇ     ×",
    u"５０Ｇ     ×",
    u"１００Ｇ   ×",
    u"何も買わないんやったら帰れ！！",
    u"罪なる行為",
    u"合計金額は",
    u"Gです。よろしいですか？",
    u"パワーカプセル",
    u"マッスルドリンク",
    u"ディフェンスドラッグ",
    u"買うものをクリックしてください。",
    u"メニューへ",
    u"ドーピングしすぎ",
    u"金がないなら帰れ",
    u"を買います。よろしいですか？",
    u"有難うございました",
    u"アイテム使用",
    u"個",
    u"使用",
    u"HPが５回復します。よろしいですか？",
    u"もう一度しますか",
    u"セーブしてよろしいですか？",
    u"セーブしました",
    u"ロードしてよろしいですか？",
};

} // namespace

TEST(Cp932, EveryGameTextSurvivesARoundTrip) {
    for (const char16_t* t : kGameTexts) {
        const QString text = QString::fromUtf16(t);
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
