#include "app/SecretCodeWindow.h"
#include "app/TownMenu.h"
#include "character/StatusWindow.h"
#include "media/EndingWindow.h"
#include "support/GameTest.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace testing_support;
using namespace platform;
using kobu::SecretCodeWindow;

namespace {

class CodeTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        SecretCodeWindow::firstCodeStreak = 0;
        forms().show<kobu::TownMenu>();
        forms().show<kobu::StatusWindow>();
    }
    SecretCodeWindow& open() {
        kobu::TownMenu* m = find<kobu::TownMenu>();
        QTest::keyClick(m->shopButton, Qt::Key_PageUp);
        SecretCodeWindow* f = find<SecretCodeWindow>();
        EXPECT_NE(f, nullptr);
        return *f;
    }
    void enter(SecretCodeWindow& f, const QString& text) {
        f.codeBox->setText(text);
        QTest::mouseClick(f.okButton, Qt::LeftButton);
    }
    void expectWrongFirst() {
        fakeBoxes().expect(QStringLiteral("コードが違います"), Answer::Ok);
        fakeBoxes().expect(QStringLiteral("コードが違います～"), Answer::Ok);
    }
};

} // namespace

TEST_F(CodeTest, TheWindowAsDesigned) {
    SecretCodeWindow& f = open();
    EXPECT_EQ(f.title(), QStringLiteral("裏技コード！"));
    QTest::keyClicks(f.codeBox, QStringLiteral("Mirae Tosu!"));
    EXPECT_EQ(f.codeBox->text(), QStringLiteral("Mirae Tosu")); // ten characters
    // Page Up again only brings it to the front.
    EXPECT_EQ(&open(), &f);
}

TEST_F(CodeTest, TheFirstCodeFourTimesAnswersWrongEachTime) {
    SecretCodeWindow& f = open();
    for (int i = 0; i < 4; ++i) {
        expectWrongFirst();
        enter(f, QStringLiteral("zed"));
    }
    EXPECT_EQ(SecretCodeWindow::firstCodeStreak, kobu::i16(4));
    EXPECT_EQ(fakeBoxes().shown[0].request.title, QStringLiteral("エラー"));
    EXPECT_EQ(fakeBoxes().shown[0].request.icon, BoxIcon::Exclamation);
    EXPECT_EQ(fakeBoxes().shown[1].request.title, QStringLiteral("えら～"));
}

TEST_F(CodeTest, TheFifthFirstCodeInARowEndsTheProgram) {
    EXPECT_EXIT(
        {
            SecretCodeWindow& f = open();
            for (int i = 0; i < 4; ++i) {
                expectWrongFirst();
                enter(f, QStringLiteral("zed"));
            }
            fakeBoxes().expect(QStringLiteral("コードが違います"), Answer::Ok);
            fakeBoxes().expect(QStringLiteral("コードが違います？"), Answer::Ok);
            enter(f, QStringLiteral("zed"));
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(CodeTest, AnotherTextOrLetterCaseResetsTheCount) {
    SecretCodeWindow& f = open();
    for (int i = 0; i < 4; ++i) {
        expectWrongFirst();
        enter(f, QStringLiteral("zed"));
    }
    fakeBoxes().expect(QStringLiteral("コードが違います～"), Answer::Ok);
    enter(f, QStringLiteral("Zed"));
    EXPECT_EQ(SecretCodeWindow::firstCodeStreak, kobu::i16(0));
    expectWrongFirst();
    enter(f, QStringLiteral("zed"));
    EXPECT_EQ(SecretCodeWindow::firstCodeStreak, kobu::i16(1));
    fakeBoxes().expect(QStringLiteral("コードが違います～"), Answer::Ok);
    enter(f, QString()); // the empty box is a wrong code too
    EXPECT_EQ(SecretCodeWindow::firstCodeStreak, kobu::i16(0));
    fakeBoxes().expect(QStringLiteral("コードが違います～"), Answer::Ok);
    enter(f, QStringLiteral("zed ")); // no trimming
}

TEST_F(CodeTest, TheCountSurvivesClosingAndReopening) {
    SecretCodeWindow* f = &open();
    for (int i = 0; i < 3; ++i) {
        expectWrongFirst();
        enter(*f, QStringLiteral("zed"));
    }
    QTest::keyClick(f->codeBox, Qt::Key_Escape);
    EXPECT_EQ(find<SecretCodeWindow>(), nullptr);
    settle();
    f = &open();
    EXPECT_EQ(SecretCodeWindow::firstCodeStreak, kobu::i16(3));
    EXPECT_TRUE(f->codeBox->text().isEmpty());
}

TEST_F(CodeTest, TheThirdCodeDoesNothing) {
    SecretCodeWindow& f = open();
    enter(f, QStringLiteral("Dossier"));
    EXPECT_TRUE(fakeBoxes().shown.empty());
    EXPECT_EQ(find<SecretCodeWindow>(), &f);
    EXPECT_EQ(f.codeBox->text(), QStringLiteral("Dossier"));
}

TEST_F(CodeTest, BackspaceOnTheBackButtonCloses) {
    SecretCodeWindow& f = open();
    f.codeBox->setText(QStringLiteral("abc"));
    QTest::keyClick(f.codeBox, Qt::Key_Backspace); // in the box it only edits
    EXPECT_EQ(f.codeBox->text(), QStringLiteral("ab"));
    QTest::keyClick(f.backButton, Qt::Key_Backspace);
    EXPECT_EQ(find<SecretCodeWindow>(), nullptr);
}

TEST_F(CodeTest, TheSecondCodeClosesMenuAndStatusBeforeTheEnding) {
    kobu::EndingWindow::sweepSeconds = 0;
    bool checked = false;
    fakeBoxes().answerWhile(Answer::Yes, [&] {
        EXPECT_EQ(find<kobu::TownMenu>(), nullptr);
        EXPECT_EQ(find<kobu::StatusWindow>(), nullptr);
        EXPECT_EQ(find<SecretCodeWindow>(), nullptr);
        EXPECT_NE(find<kobu::EndingWindow>(), nullptr);
        checked = true;
    });
    SecretCodeWindow& f = open();
    enter(f, QStringLiteral("Mirae Tosu"));
    kobu::EndingWindow::sweepSeconds = 0.5;
    EXPECT_TRUE(checked);
    EXPECT_EQ(fakeBoxes().shown[0].request.text, QStringLiteral("もう一度しますか"));
    EXPECT_EQ(find<kobu::EndingWindow>(), nullptr);
}
