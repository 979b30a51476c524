#include "media/EndingScenes.h"

#include <QCoreApplication>

namespace kobu {
QString sceneDescription(const QString& name) {
    // The scene each file begins, as assets/art draws it.
    struct Scene {
        const char16_t* name;
        const char* text;
    };
    static const Scene scenes[] = {
        {u"初期絵2",
         QT_TRANSLATE_NOOP("kobu::EndingScenes",
                           "優勝した彼が賞金の袋を背負い、祝優勝ののぼりが並ぶ大会会場を"
                           "あとにする")},
        {u"初期絵10",
         QT_TRANSLATE_NOOP("kobu::EndingScenes",
                           "PCパーツ館の店先。特価ののぼりの横で自動ドアが開き、彼が入っていく")},
        {u"初期絵15",
         QT_TRANSLATE_NOOP(
             "kobu::EndingScenes",
             "店の中。「全部ください！」と賞金を払い、カウンターにパーツの箱が積み上がる")},
        {u"初期絵24",
         QT_TRANSLATE_NOOP("kobu::EndingScenes",
                           "夕焼けの道。彼がパーツの箱を抱えて「よいしょ」と家へ歩く")},
        {u"初期絵29",
         QT_TRANSLATE_NOOP("kobu::EndingScenes",
                           "夕暮れのアパート、コブ荘。彼がドアを開けて「ただいまー！」")},
        {u"初期絵30", QT_TRANSLATE_NOOP("kobu::EndingScenes",
                                        "夜のコブ荘。月と星の下、彼の部屋から音符が流れる")},
        {u"初期絵19",
         QT_TRANSLATE_NOOP("kobu::EndingScenes", "部屋でパーツの箱を開ける。「ピカピカだ…！」")},
        {u"背景画01",
         QT_TRANSLATE_NOOP("kobu::EndingScenes",
                           "机のライトの下、説明書を見ながらドライバーで新しいPCを組み立てる")},
        {u"背景画02",
         QT_TRANSLATE_NOOP("kobu::EndingScenes",
                           "暗い部屋で電源を入れる。「ポチッ」「ピコーン！」と画面が光る")},
        {u"背景画03", QT_TRANSLATE_NOOP("kobu::EndingScenes",
                                        "完成した新しいPCの横で彼が「やったー！」と大喜び")},
        {u"背景画04", QT_TRANSLATE_NOOP("kobu::EndingScenes",
                                        "机に向かって新しいPCでゲームをする。「楽しい！」")},
        {u"背景画05", QT_TRANSLATE_NOOP("kobu::EndingScenes", "夜の大会会場に「優勝！」")},
        {u"背景画06", QT_TRANSLATE_NOOP("kobu::EndingScenes", "PCの机に「新PC！」")},
        {u"背景画07", QT_TRANSLATE_NOOP("kobu::EndingScenes", "夜の町に「おつかれ！」")},
        {u"背景画08", QT_TRANSLATE_NOOP("kobu::EndingScenes", "夕焼けの帰り道に大きな音符")},
        {u"背景画09", QT_TRANSLATE_NOOP("kobu::EndingScenes", "リングの上に「最強！」")},
        {u"背景画10",
         QT_TRANSLATE_NOOP("kobu::EndingScenes", "夜の部屋で彼がウインクして「感謝！」")},
        {u"背景画11",
         QT_TRANSLATE_NOOP("kobu::EndingScenes", "「おしまい」。紙吹雪の中で喜ぶ彼と新しいPC")},
    };
    for (const Scene& s : scenes)
        if (name == QString::fromUtf16(s.name))
            return QCoreApplication::translate("kobu::EndingScenes", s.text);
    return {};
}

QString creditsText() {
    return QCoreApplication::translate(
        "kobu::EndingScenes",
        "スタッフ。企画、音楽、プログラム、テストプレイ、グラフィック：Kobusato チーム。"
        "スペシャルサンクス：プレイしてくれたあなた。Thank you for playing!");
}

} // namespace kobu
