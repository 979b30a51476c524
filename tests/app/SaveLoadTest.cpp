#include "app/Menu.h"
#include "character/Sutetasu.h"
#include "platform/RecordFile.h"
#include "state/SaveRecord.h"
#include "support/GameTest.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>

using namespace testing_support;
using namespace platform;
using namespace kobu;

namespace {

class SaveLoadTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        g().playerName = QStringLiteral("たろう");
        menu = &forms().show<Menu>();
    }
    void TearDown() override {
        setBeforeReplaceHookForTests({});
        GameTest::TearDown();
    }
    QString path() const { return folder() + QStringLiteral("/Data/Data.dat"); }
    QByteArray fileBytes() const {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void writeFile(const QByteArray& bytes) {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void save() { menu->Command4->click(); }
    void load() { menu->Command5->click(); }
    Menu* menu = nullptr;
};

} // namespace

TEST_F(SaveLoadTest, SaveWritesTheRecordAndSaysSo) {
    g().money = 1234;
    fakeBoxes().expect(QStringLiteral("セーブしてよろしいですか？"), vbYes);
    fakeBoxes().expect(QStringLiteral("セーブしました"), vbOK);
    save();
    const BoxRequest& ask = fakeBoxes().shown[0].request;
    EXPECT_EQ(ask.title, QStringLiteral("確認"));
    EXPECT_EQ(ask.icon, BoxIcon::Information);
    EXPECT_EQ(ask.defaultButton, vbNo);
    EXPECT_EQ(fakeBoxes().shown[1].request.title, QStringLiteral("Kobusato"));
    const QByteArray bytes = fileBytes();
    ASSERT_EQ(bytes.size(), 554);
    EXPECT_EQ(bytes, encodeSaveRecord(g()));
    EXPECT_EQ(bytes.mid(154), QByteArray(400, '\0'));
    EXPECT_TRUE(menu->isShown());
}

TEST_F(SaveLoadTest, NoToEitherQuestionTouchesNothing) {
    writeFile(QByteArray(554, '\x01'));
    const GameState before = g();
    fakeBoxes().answer(vbNo);
    save();
    fakeBoxes().answer(vbNo);
    load();
    EXPECT_EQ(fileBytes(), QByteArray(554, '\x01'));
    EXPECT_EQ(g(), before);
}

TEST_F(SaveLoadTest, LoadRestoresTheSavedGame) {
    g().money = 4321;
    g().roundNumber = 6;
    g().opponent.enemyHp = 55;
    fakeBoxes().answer(vbYes);
    fakeBoxes().answer(vbOK);
    save();
    g().money = 1;
    g().roundNumber = 2;
    g().playerName = QStringLiteral("べつ");
    g().opponent.enemyHp = 7;
    const QString app = g().appPath;
    fakeBoxes().answer(vbYes);
    fakeMidi().commands.clear();
    load();
    EXPECT_EQ(g().money, i16(4321));
    EXPECT_EQ(g().roundNumber, i16(6));
    EXPECT_EQ(g().playerName, QStringLiteral("たろう") + QString(27, QLatin1Char(' ')));
    EXPECT_EQ(g().opponent.enemyHp, i16(7));
    EXPECT_EQ(g().appPath, app);
    EXPECT_EQ(find<Sutetasu>()->LaKane->text(), QStringLiteral("4321"));
    EXPECT_EQ(fakeMidi().fileName, g().musicPaths[1]);
    EXPECT_EQ(fakeMidi().commands.back(), QStringLiteral("play"));
    EXPECT_EQ(fakeBoxes().shown.size(), 3u); // no box confirms a load
}

TEST_F(SaveLoadTest, NewGameAfterALoadAsksItsQuestion) {
    fakeBoxes().answer(vbYes);
    fakeBoxes().answer(vbOK);
    save();
    g().playerName.clear();
    fakeBoxes().answer(vbYes);
    load();
    fakeBoxes().expect(QStringLiteral("終了してもよろしいですか？"), vbNo);
    frame->newAction()->trigger();
}

TEST_F(SaveLoadTest, SavingKeepsBytesBeyondTheRecord) {
    writeFile(QByteArray(554, '\x01') + QByteArray("tail"));
    fakeBoxes().answer(vbYes);
    fakeBoxes().answer(vbOK);
    save();
    const QByteArray bytes = fileBytes();
    EXPECT_EQ(bytes.size(), 558);
    EXPECT_EQ(bytes.right(4), QByteArray("tail"));
}

TEST_F(SaveLoadTest, AMissingDataFolderIsCreated) {
    QDir(folder() + QStringLiteral("/Data")).removeRecursively();
    fakeBoxes().answer(vbYes);
    fakeBoxes().answer(vbOK);
    save();
    EXPECT_EQ(fileBytes().size(), 554);
}

TEST_F(SaveLoadTest, ASaveThatCannotBeWrittenLeavesTheOldOneWhole) {
    writeFile(QByteArray(554, '\x02'));
    // Where the folder should be stands a file: nothing can be written.
    QDir(folder() + QStringLiteral("/Data")).removeRecursively();
    QFile blocker(folder() + QStringLiteral("/Data"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const GameState before = g();
    fakeBoxes().answer(vbYes);
    fakeBoxes().answer(vbOK);
    save();
    EXPECT_TRUE(fakeBoxes().shown[1].request.text.startsWith(QStringLiteral("セーブできませんでした")));
    EXPECT_EQ(fakeBoxes().shown[1].request.icon, BoxIcon::Exclamation);
    EXPECT_EQ(g(), before);
}

TEST_F(SaveLoadTest, ASaveInterruptedBeforeTheRenameLeavesTheOldFile) {
    writeFile(QByteArray(554, '\x03'));
    setBeforeReplaceHookForTests([] { return false; });
    fakeBoxes().answer(vbYes);
    fakeBoxes().answer(vbOK);
    save();
    EXPECT_EQ(fileBytes(), QByteArray(554, '\x03'));
    EXPECT_EQ(QDir(folder() + QStringLiteral("/Data")).entryList(QDir::Files).size(), 1);
}

TEST_F(SaveLoadTest, LoadingAMissingFileSaysSoAndCreatesNothing) {
    const GameState before = g();
    fakeBoxes().answer(vbYes);
    fakeBoxes().answer(vbOK);
    load();
    EXPECT_TRUE(fakeBoxes().shown[1].request.text.startsWith(QStringLiteral("セーブデータがありません")));
    EXPECT_FALSE(QFile::exists(path()));
    EXPECT_EQ(g(), before);
}

TEST_F(SaveLoadTest, LoadingAShortFileKeepsTheGame) {
    writeFile(QByteArray(100, '\x05'));
    const GameState before = g();
    fakeBoxes().answer(vbYes);
    fakeBoxes().answer(vbOK);
    load();
    EXPECT_TRUE(fakeBoxes().shown[1].request.text.contains(QStringLiteral("壊れている")));
    EXPECT_EQ(g(), before);
    EXPECT_EQ(fileBytes().size(), 100);
}

TEST_F(SaveLoadTest, AFileOfRandomBytesLoadsAndTheGameGoesOn) {
    QRandomGenerator rng(7);
    QByteArray junk(554, '\0');
    for (char& c : junk)
        c = static_cast<char>(rng.bounded(256));
    writeFile(junk);
    fakeBoxes().answer(vbYes);
    load();
    EXPECT_EQ(g().playerName.size(), 30);
    // The menu still works afterwards: a save writes the loaded values back.
    fakeBoxes().answer(vbYes);
    fakeBoxes().answer(vbOK);
    save();
    EXPECT_EQ(fileBytes().mid(0, 28), junk.mid(0, 28));
}
