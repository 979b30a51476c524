#include "app/Form3.h"
#include "app/Menu.h"
#include "character/Sutetasu.h"
#include "media/FStaff.h"
#include "support/GameTest.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace testing_support;
using namespace platform;
using kobu::Form3;

namespace {

class CodeTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        Form3::firstCodeStreak = 0;
        forms().show<kobu::Menu>();
        forms().show<kobu::Sutetasu>();
    }
    Form3& open() {
        kobu::Menu* m = find<kobu::Menu>();
        QTest::keyClick(m->Command1, Qt::Key_PageUp);
        Form3* f = find<Form3>();
        EXPECT_NE(f, nullptr);
        return *f;
    }
    void enter(Form3& f, const QString& text) {
        f.TUra->setText(text);
        QTest::mouseClick(f.Command1, Qt::LeftButton);
    }
    void expectWrongFirst() {
        fakeBoxes().expect(QStringLiteral("コードが違います"), vbOK);
        fakeBoxes().expect(QStringLiteral("コードが違います～"), vbOK);
    }
};

} // namespace

TEST_F(CodeTest, TheWindowAsDesigned) {
    Form3& f = open();
    EXPECT_EQ(f.caption(), QStringLiteral("裏技コード！"));
    QTest::keyClicks(f.TUra, QStringLiteral("Mirae Tosu!"));
    EXPECT_EQ(f.TUra->text(), QStringLiteral("Mirae Tosu")); // ten characters
    // Page Up again only brings it to the front.
    EXPECT_EQ(&open(), &f);
}

TEST_F(CodeTest, TheFirstCodeFourTimesAnswersWrongEachTime) {
    Form3& f = open();
    for (int i = 0; i < 4; ++i) {
        expectWrongFirst();
        enter(f, QStringLiteral("zed"));
    }
    EXPECT_EQ(Form3::firstCodeStreak, kobu::i16(4));
    EXPECT_EQ(fakeBoxes().shown[0].request.title, QStringLiteral("エラー"));
    EXPECT_EQ(fakeBoxes().shown[0].request.icon, BoxIcon::Exclamation);
    EXPECT_EQ(fakeBoxes().shown[1].request.title, QStringLiteral("えら～"));
}

TEST_F(CodeTest, TheFifthFirstCodeInARowEndsTheProgram) {
    EXPECT_EXIT(
        {
            Form3& f = open();
            for (int i = 0; i < 4; ++i) {
                expectWrongFirst();
                enter(f, QStringLiteral("zed"));
            }
            fakeBoxes().expect(QStringLiteral("コードが違います"), vbOK);
            fakeBoxes().expect(QStringLiteral("コードが違います？"), vbOK);
            enter(f, QStringLiteral("zed"));
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(CodeTest, AnotherTextOrLetterCaseResetsTheCount) {
    Form3& f = open();
    for (int i = 0; i < 4; ++i) {
        expectWrongFirst();
        enter(f, QStringLiteral("zed"));
    }
    fakeBoxes().expect(QStringLiteral("コードが違います～"), vbOK);
    enter(f, QStringLiteral("Zed"));
    EXPECT_EQ(Form3::firstCodeStreak, kobu::i16(0));
    expectWrongFirst();
    enter(f, QStringLiteral("zed"));
    EXPECT_EQ(Form3::firstCodeStreak, kobu::i16(1));
    fakeBoxes().expect(QStringLiteral("コードが違います～"), vbOK);
    enter(f, QString()); // the empty box is a wrong code too
    EXPECT_EQ(Form3::firstCodeStreak, kobu::i16(0));
    fakeBoxes().expect(QStringLiteral("コードが違います～"), vbOK);
    enter(f, QStringLiteral("zed ")); // no trimming
}

TEST_F(CodeTest, TheCountSurvivesClosingAndReopening) {
    Form3* f = &open();
    for (int i = 0; i < 3; ++i) {
        expectWrongFirst();
        enter(*f, QStringLiteral("zed"));
    }
    QTest::keyClick(f->TUra, Qt::Key_Escape);
    EXPECT_EQ(find<Form3>(), nullptr);
    settle();
    f = &open();
    EXPECT_EQ(Form3::firstCodeStreak, kobu::i16(3));
    EXPECT_TRUE(f->TUra->text().isEmpty());
}

TEST_F(CodeTest, TheThirdCodeDoesNothing) {
    Form3& f = open();
    enter(f, QStringLiteral("Dossier"));
    EXPECT_TRUE(fakeBoxes().shown.empty());
    EXPECT_EQ(find<Form3>(), &f);
    EXPECT_EQ(f.TUra->text(), QStringLiteral("Dossier"));
}

TEST_F(CodeTest, BackspaceOnTheBackButtonCloses) {
    Form3& f = open();
    f.TUra->setText(QStringLiteral("abc"));
    QTest::keyClick(f.TUra, Qt::Key_Backspace); // in the box it only edits
    EXPECT_EQ(f.TUra->text(), QStringLiteral("ab"));
    QTest::keyClick(f.Command2, Qt::Key_Backspace);
    EXPECT_EQ(find<Form3>(), nullptr);
}

TEST_F(CodeTest, TheSecondCodeClosesMenuAndStatusBeforeTheEnding) {
    kobu::FStaff::sweepSeconds = 0;
    bool checked = false;
    fakeBoxes().answerWhile(vbYes, [&] {
        EXPECT_EQ(find<kobu::Menu>(), nullptr);
        EXPECT_EQ(find<kobu::Sutetasu>(), nullptr);
        EXPECT_EQ(find<Form3>(), nullptr);
        EXPECT_NE(find<kobu::FStaff>(), nullptr);
        checked = true;
    });
    Form3& f = open();
    enter(f, QStringLiteral("Mirae Tosu"));
    kobu::FStaff::sweepSeconds = 0.5;
    EXPECT_TRUE(checked);
    EXPECT_EQ(fakeBoxes().shown[0].request.text, QStringLiteral("もう一度しますか"));
    EXPECT_EQ(find<kobu::FStaff>(), nullptr);
}
