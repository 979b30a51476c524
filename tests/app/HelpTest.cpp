// The Help menu: the guide in the game's language, whole in both, fitting its
// window, and the same as the README says; the About box.
#include "app/CommandLine.h"
#include "app/HelpMenu.h"
#include "app/HelpText.h"
#include "app/HelpWindow.h"
#include "platform/Controls.h"
#include "platform/Language.h"
#include "support/GameTest.h"
#include "support/Japanese.h"

#include <QFile>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

using namespace kobu;
using namespace platform;
using testing_support::fakeBoxes;
using testing_support::GameTest;
using testing_support::readsJapanese;
using testing_support::settle;

namespace {

QString sourceFile(const char* path) {
    QFile f(QStringLiteral(KOBUSATO_SOURCE_DIR "/") + QString::fromLatin1(path));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path;
    return QString::fromUtf8(f.readAll());
}

// The guide's blocks (paragraphs, headings, list items, table rows), each
// with the Markdown that says which kind it is.
QStringList blocks(const QString& markdown) {
    QStringList out;
    for (const QString& line : markdown.split(QLatin1Char('\n')))
        if (!line.trimmed().isEmpty())
            out.append(line.trimmed());
    return out;
}
QString kind(const QString& block) {
    static const QRegularExpression mark(QStringLiteral("^(#+ |- |\\d+\\. |\\|---|\\|)"));
    return mark.match(block).captured(1);
}

class HelpTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        copyFromGame(QStringLiteral("translations/kobusato_en.qm"));
    }
    QMenu* helpMenu() { return frame->menuBar()->findChild<QMenu*>(QStringLiteral("help")); }
    QAction* item(const char* name) {
        return helpMenu()->findChild<QAction*>(QString::fromLatin1(name));
    }
    HelpWindow& openGuide() {
        item("howToPlay")->trigger();
        settle();
        HelpWindow* w = find<HelpWindow>();
        EXPECT_NE(w, nullptr);
        return *w;
    }
};

} // namespace

TEST(HelpText, BothHalvesSayTheSameThingsEachInItsOwnLanguage) {
    const QString guide = sourceFile("assets/help/how_to_play.md");
    const QStringList japanese = blocks(guideIn(guide, Language::Japanese));
    const QStringList english = blocks(guideIn(guide, Language::English));
    ASSERT_GT(english.size(), 20);
    ASSERT_EQ(japanese.size(), english.size());
    for (qsizetype i = 0; i < english.size(); ++i) {
        EXPECT_EQ(kind(japanese[i]), kind(english[i])) << english[i].toStdString();
        EXPECT_FALSE(readsJapanese(english[i])) << english[i].toStdString();
        if (kind(english[i]) != QStringLiteral("|---")) {
            EXPECT_TRUE(readsJapanese(japanese[i])) << japanese[i].toStdString();
        }
    }
    // What a player must otherwise guess is all there.
    for (const char* term :
         {"Speed contest", "Attack step", "A is the highest", "B the lowest", "half your money",
          "Secret of Speed", "Spirit Attack", "Energy Boost", "Heal", "| W |", "| F1 |", "Stop!"})
        EXPECT_TRUE(english.join(QLatin1Char('\n')).contains(QLatin1String(term))) << term;
}

TEST(HelpText, AHalfEndsAtTheOtherMarkerAndAMissingOneGivesNothing) {
    const QString guide = QStringLiteral("<!-- English -->\nhi\n<!-- 日本語 -->\nやあ\n");
    EXPECT_EQ(guideIn(guide, Language::English), QStringLiteral("hi"));
    EXPECT_EQ(guideIn(guide, Language::Japanese), QStringLiteral("やあ"));
    EXPECT_EQ(guideIn(QStringLiteral("hi"), Language::English), QString());
}

// The README's "How to play" is the guide's English half, word for word.
TEST(HelpText, TheReadmeSaysWhatTheGuideSays) {
    const QString readme = sourceFile("README.md");
    const QString begin = QStringLiteral("<!-- how-to-play: the English half of "
                                         "assets/help/how_to_play.md, word for word -->");
    const QString end = QStringLiteral("<!-- end of how-to-play -->");
    const qsizetype from = readme.indexOf(begin);
    const qsizetype to = readme.indexOf(end);
    ASSERT_GE(from, 0);
    ASSERT_GT(to, from);
    const QString section = readme.mid(from + begin.size(), to - from - begin.size()).trimmed();
    EXPECT_EQ(section, guideIn(sourceFile("assets/help/how_to_play.md"), Language::English))
        << "copy the English half of assets/help/how_to_play.md into the README";
}

TEST_F(HelpTest, TheMenuComesLastNamedForBothReadersAndItsItemsFollowTheLanguage) {
    ASSERT_NE(helpMenu(), nullptr);
    EXPECT_EQ(frame->menuBar()->actions().back(), helpMenu()->menuAction());
    EXPECT_EQ(helpMenu()->title(), QStringLiteral("ヘルプ (&Help)"));
    EXPECT_EQ(item("howToPlay")->text(), QStringLiteral("遊び方(&H)"));
    EXPECT_EQ(item("howToPlay")->shortcut(), QKeySequence(Qt::Key_F1));
    chooseLanguage(Language::English);
    settle();
    EXPECT_EQ(helpMenu()->title(), QStringLiteral("ヘルプ (&Help)"));
    EXPECT_EQ(item("howToPlay")->text(), QStringLiteral("&How to Play"));
    EXPECT_EQ(item("about")->text(), QStringLiteral("&About Kobusato"));
}

// At 1x here; ctest runs the same under QT_SCALE_FACTOR=2 (help_at_2x).
TEST_F(HelpTest, TheGuideReadsInTheGamesLanguageFitsItsWindowAndFollowsASwitch) {
    for (const Language language : {Language::Japanese, Language::English}) {
        chooseLanguage(language);
        settle();
        HelpWindow& w = openGuide();
        const std::string in = language == Language::English ? "English" : "Japanese";
        const QString shown = w.guide->toPlainText();
        EXPECT_EQ(readsJapanese(shown), language == Language::Japanese) << in;
        EXPECT_EQ(readsJapanese(w.title() + w.closeButton->text()), language == Language::Japanese)
            << in;
        EXPECT_TRUE(shown.contains(QStringLiteral("Stop!"))) << in;
        // No line, table or word runs past the window's width; its length scrolls.
        EXPECT_LE(w.guide->document()->size().width(), w.guide->viewport()->width() + 0.5) << in;
        EXPECT_TRUE(textFits(w.closeButton)) << in;
        EXPECT_TRUE(w.frame()->geometry().right() <= frame->mdiArea()->viewport()->width() ||
                    w.leftTw() == 0)
            << in;
        // Esc closes it, as its button does.
        QTest::keyClick(w.guide, Qt::Key_Escape);
        settle();
        EXPECT_EQ(find<HelpWindow>(), nullptr) << in;
    }
    // Open across a switch, it follows at once.
    HelpWindow& w = openGuide();
    chooseLanguage(Language::Japanese);
    settle();
    EXPECT_TRUE(readsJapanese(w.guide->toPlainText()));
    EXPECT_EQ(w.title(), QStringLiteral("遊び方"));
}

TEST_F(HelpTest, AboutTellsNameVersionLicenceAndWhereEverythingCameFrom) {
    for (const Language language : {Language::Japanese, Language::English}) {
        chooseLanguage(language);
        settle();
        fakeBoxes().shown.clear();
        fakeBoxes().answer(Answer::Ok);
        item("about")->trigger();
        ASSERT_EQ(fakeBoxes().shown.size(), 1u);
        const BoxRequest& box = fakeBoxes().shown[0].request;
        EXPECT_TRUE(box.text.contains(QStringLiteral("Kobusato")));
        EXPECT_TRUE(box.text.contains(QString::fromLatin1(programVersion())));
        EXPECT_TRUE(box.text.contains(QStringLiteral("GPL-3.0-or-later")));
        EXPECT_EQ(readsJapanese(box.text + box.title), language == Language::Japanese);
    }
    EXPECT_TRUE(fakeBoxes().shown[0].request.text.contains(QStringLiteral("was made for it")));
}
