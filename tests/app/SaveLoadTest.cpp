#include "app/Navigation.h"
#include "app/TownMenu.h"
#include "battle/BattleSupport.h"
#include "character/SkillsWindow.h"
#include "character/StatusWindow.h"
#include "platform/RecordFile.h"
#include "state/SaveRecord.h"
#include "support/GameTest.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QtEndian>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace testing_support;
using namespace platform;
using namespace kobu;

namespace {

class SaveLoadTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        g().playerName = QStringLiteral("たろう");
        menu = &forms().show<TownMenu>();
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
    void save() { menu->saveButton->click(); }
    void load() { menu->loadButton->click(); }
    TownMenu* menu = nullptr;
};

} // namespace

TEST_F(SaveLoadTest, SaveWritesTheRecordAndSaysSo) {
    g().money = 1234;
    fakeBoxes().expect(QStringLiteral("セーブしてよろしいですか？"), Answer::Yes);
    fakeBoxes().expect(QStringLiteral("セーブしました"), Answer::Ok);
    save();
    const BoxRequest& ask = fakeBoxes().shown[0].request;
    EXPECT_EQ(ask.title, QStringLiteral("確認"));
    EXPECT_EQ(ask.icon, BoxIcon::Information);
    EXPECT_EQ(ask.defaultAnswer, Answer::No);
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
    fakeBoxes().answer(Answer::No);
    save();
    fakeBoxes().answer(Answer::No);
    load();
    EXPECT_EQ(fileBytes(), QByteArray(554, '\x01'));
    EXPECT_EQ(g(), before);
}

TEST_F(SaveLoadTest, LoadRestoresTheSavedGame) {
    g().money = 4321;
    g().roundNumber = 6;
    g().opponent.enemyHp = 55;
    fakeBoxes().answer(Answer::Yes);
    fakeBoxes().answer(Answer::Ok);
    save();
    g().money = 1;
    g().roundNumber = 2;
    g().playerName = QStringLiteral("べつ");
    g().opponent.enemyHp = 7;
    const QString app = g().appPath;
    fakeBoxes().answer(Answer::Yes);
    fakeMidi().commands.clear();
    load();
    EXPECT_EQ(g().money, i16(4321));
    EXPECT_EQ(g().roundNumber, i16(6));
    EXPECT_EQ(g().playerName, QStringLiteral("たろう") + QString(27, QLatin1Char(' ')));
    EXPECT_EQ(g().opponent.enemyHp, i16(7));
    EXPECT_EQ(g().appPath, app);
    EXPECT_EQ(find<StatusWindow>()->moneyValue->text(), QStringLiteral("4321"));
    EXPECT_EQ(fakeMidi().fileName, g().musicPaths[1]);
    EXPECT_EQ(fakeMidi().commands.back(), QStringLiteral("play"));
    EXPECT_EQ(fakeBoxes().shown.size(), 3u); // no box confirms a load
}

TEST_F(SaveLoadTest, NewGameAfterALoadAsksItsQuestion) {
    fakeBoxes().answer(Answer::Yes);
    fakeBoxes().answer(Answer::Ok);
    save();
    g().playerName.clear();
    fakeBoxes().answer(Answer::Yes);
    load();
    fakeBoxes().expect(QStringLiteral("終了してもよろしいですか？"), Answer::No);
    frame->newAction()->trigger();
}

TEST_F(SaveLoadTest, SavingKeepsBytesBeyondTheRecord) {
    writeFile(QByteArray(554, '\x01') + QByteArray("tail"));
    fakeBoxes().answer(Answer::Yes);
    fakeBoxes().answer(Answer::Ok);
    save();
    const QByteArray bytes = fileBytes();
    EXPECT_EQ(bytes.size(), 558);
    EXPECT_EQ(bytes.right(4), QByteArray("tail"));
}

TEST_F(SaveLoadTest, AMissingDataFolderIsCreated) {
    QDir(folder() + QStringLiteral("/Data")).removeRecursively();
    fakeBoxes().answer(Answer::Yes);
    fakeBoxes().answer(Answer::Ok);
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
    fakeBoxes().answer(Answer::Yes);
    fakeBoxes().answer(Answer::Ok);
    save();
    EXPECT_TRUE(
        fakeBoxes().shown[1].request.text.startsWith(QStringLiteral("セーブできませんでした")));
    EXPECT_EQ(fakeBoxes().shown[1].request.icon, BoxIcon::Exclamation);
    EXPECT_EQ(g(), before);
}

TEST_F(SaveLoadTest, ASaveInterruptedBeforeTheRenameLeavesTheOldFile) {
    writeFile(QByteArray(554, '\x03'));
    setBeforeReplaceHookForTests([] { return false; });
    fakeBoxes().answer(Answer::Yes);
    fakeBoxes().answer(Answer::Ok);
    save();
    EXPECT_EQ(fileBytes(), QByteArray(554, '\x03'));
    EXPECT_EQ(QDir(folder() + QStringLiteral("/Data")).entryList(QDir::Files).size(), 1);
}

TEST_F(SaveLoadTest, LoadingAMissingFileSaysSoAndCreatesNothing) {
    const GameState before = g();
    fakeBoxes().answer(Answer::Yes);
    fakeBoxes().answer(Answer::Ok);
    load();
    EXPECT_TRUE(
        fakeBoxes().shown[1].request.text.startsWith(QStringLiteral("セーブデータがありません")));
    EXPECT_FALSE(QFile::exists(path()));
    EXPECT_EQ(g(), before);
}

TEST_F(SaveLoadTest, LoadingAShortFileKeepsTheGame) {
    writeFile(QByteArray(100, '\x05'));
    const GameState before = g();
    fakeBoxes().answer(Answer::Yes);
    fakeBoxes().answer(Answer::Ok);
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
    fakeBoxes().answer(Answer::Yes);
    load();
    EXPECT_EQ(g().playerName.size(), 30);
    // The menu still works afterwards: a save writes the loaded values back.
    fakeBoxes().answer(Answer::Yes);
    fakeBoxes().answer(Answer::Ok);
    save();
    EXPECT_EQ(fileBytes().mid(0, 28), junk.mid(0, 28));
}

namespace {

// Where the disk is full: a file-size limit of `bytes` on this process, with
// the signal that would kill it ignored, so writes beyond it fail as they do
// on a full disk.
void limitFileSize(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit rl{};
    getrlimit(RLIMIT_FSIZE, &rl);
    rl.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &rl);
}

} // namespace

TEST_F(SaveLoadTest, AFullDiskNeverCostsTheSave) {
    // Run in a child process of its own, where the limit cannot harm the rest
    // of the suite; the child tells what went wrong on standard error.
    const auto child = [this] {
        QStringList faults;
        const auto check = [&](bool ok, const QString& what) {
            if (!ok)
                faults << what;
        };
        const QString oldIsKept = QStringLiteral("前のセーブデータはそのまま残っています");
        // No previous save: nothing claims one is left, nothing is left behind.
        limitFileSize(0);
        fakeBoxes().answer(Answer::Yes);
        fakeBoxes().answer(Answer::Ok);
        save();
        QString said = fakeBoxes().shown.back().request.text;
        check(said.startsWith(QStringLiteral("セーブできませんでした")), "no save: " + said);
        check(!said.contains(oldIsKept), "no save, yet: " + said);
        check(!QFileInfo::exists(path()), QStringLiteral("a file was left"));
        // A previous save stays byte for byte, whether nothing or part of the
        // new record could be written.
        for (const rlim_t room : {rlim_t(0), rlim_t(200)}) {
            limitFileSize(RLIM_INFINITY);
            const QByteArray old(554, '\x02');
            writeFile(old);
            limitFileSize(room);
            fakeBoxes().answer(Answer::Yes);
            fakeBoxes().answer(Answer::Ok);
            save();
            said = fakeBoxes().shown.back().request.text;
            check(said.startsWith(QStringLiteral("セーブできませんでした")) &&
                      said.contains(oldIsKept),
                  QStringLiteral("room %1: %2").arg(room).arg(said));
            check(fileBytes() == old, QStringLiteral("room %1: the old save changed").arg(room));
            check(QDir(folder() + QStringLiteral("/Data")).entryList(QDir::Files).size() == 1,
                  QStringLiteral("room %1: a temporary file was left").arg(room));
        }
        // Standard error is a file here, under the same limit.
        limitFileSize(RLIM_INFINITY);
        std::fprintf(stderr, "%s\n", qPrintable(faults.join(QLatin1Char('\n'))));
        dir_.reset();
        std::_Exit(faults.isEmpty() ? 0 : 1);
    };
    EXPECT_EXIT(child(), ::testing::ExitedWithCode(0), "");
}

namespace {

// Sets an environment variable for the life of the object.
class EnvironmentVariable {
  public:
    EnvironmentVariable(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        qputenv(name, value);
    }
    ~EnvironmentVariable() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

  private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

} // namespace

// Where a write error shows only at the sync (NFS, a failing disk), the sync's
// failure is the save's. The syncs fail in the death test's child, which is
// started afresh with a library preloaded that fails them where the child says.
TEST_F(SaveLoadTest, ASaveThatCannotBeSyncedIsNotReportedAsSaved) {
    const QByteArray asan = qgetenv("ASAN_OPTIONS");
    const EnvironmentVariable preload("LD_PRELOAD", KOBUSATO_FAILING_SYNC);
    // The sanitizers' runtime wants to be the first library; the preload is.
    const EnvironmentVariable order("ASAN_OPTIONS", asan + (asan.isEmpty() ? "" : ":") +
                                                        "verify_asan_link_order=0");
    const auto child = [this] {
        QStringList faults;
        const auto check = [&](bool ok, const QString& what) {
            if (!ok)
                faults << what;
        };
        const QString data = QFileInfo(folder() + QStringLiteral("/Data")).canonicalFilePath();
        const QString oldIsKept = QStringLiteral("前のセーブデータはそのまま残っています");
        const auto saveAndSay = [&] {
            fakeBoxes().answer(Answer::Yes);
            fakeBoxes().answer(Answer::Ok);
            save();
            return fakeBoxes().shown.back().request.text;
        };
        const auto onlyTheSave = [&] {
            return QDir(data).entryList(QDir::Files | QDir::Hidden) ==
                   QStringList{QStringLiteral("Data.dat")};
        };

        // The new file cannot be synced: no save, and a previous one stays.
        qputenv("KOBUSATO_FAIL_SYNC", ("files:" + data).toUtf8());
        QString said = saveAndSay();
        check(said.startsWith(QStringLiteral("セーブできませんでした")) &&
                  !said.contains(oldIsKept),
              "no save before, file sync fails: " + said);
        check(!QFileInfo::exists(path()), QStringLiteral("a file was left"));
        const QByteArray old(554, '\x02');
        writeFile(old);
        said = saveAndSay();
        check(said.startsWith(QStringLiteral("セーブできませんでした")) && said.contains(oldIsKept),
              "file sync fails: " + said);
        check(fileBytes() == old, QStringLiteral("the old save changed"));
        check(onlyTheSave(), QStringLiteral("a temporary file was left"));

        // The folder cannot be synced: the new save is already in place, and
        // the player hears that a crash could still bring back the old one.
        qputenv("KOBUSATO_FAIL_SYNC", ("folders:" + data).toUtf8());
        said = saveAndSay();
        check(said.startsWith(QStringLiteral("セーブしましたが")) &&
                  said.contains(QStringLiteral("前のセーブデータに戻る")) &&
                  fakeBoxes().shown.back().request.icon == BoxIcon::Exclamation,
              "folder sync fails: " + said);
        check(fileBytes() == encodeSaveRecord(g()), QStringLiteral("the new save is not in place"));
        check(onlyTheSave(), QStringLiteral("a temporary file was left after the folder sync"));

        qunsetenv("KOBUSATO_FAIL_SYNC");
        said = saveAndSay();
        check(said == QStringLiteral("セーブしました"), "syncs work again: " + said);
        std::fprintf(stderr, "%s\n", qPrintable(faults.join(QLatin1Char('\n'))));
        dir_.reset();
        std::_Exit(faults.isEmpty() ? 0 : 1);
    };
    EXPECT_EXIT(child(), ::testing::ExitedWithCode(0), "");
}

namespace {

// Should the game ever open the FIFO and wait, this writer lets it go on after
// a few seconds, so the test fails instead of hanging.
class FifoRescue {
  public:
    explicit FifoRescue(const QString& fifo)
        : thread_([path = QFile::encodeName(fifo)](std::stop_token stop) {
              for (int i = 0; i < 100 && !stop.stop_requested(); ++i)
                  std::this_thread::sleep_for(std::chrono::milliseconds(50));
              while (!stop.stop_requested()) {
                  const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
                  if (fd >= 0)
                      ::close(fd);
                  std::this_thread::sleep_for(std::chrono::milliseconds(10));
              }
          }) {}

  private:
    std::jthread thread_;
};

bool isFifo(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

} // namespace

TEST_F(SaveLoadTest, WhatIsNotAFileIsNeitherLoadedNorSavedOver) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(path()).constData(), 0600), 0);
    const FifoRescue rescue(path());
    const GameState before = g();
    fakeBoxes().answer(Answer::Yes);
    fakeBoxes().answer(Answer::Ok);
    load();
    EXPECT_TRUE(
        fakeBoxes().shown[1].request.text.contains(QStringLiteral("普通のファイルではない")))
        << fakeBoxes().shown[1].request.text.toStdString();
    EXPECT_EQ(g(), before);
    fakeBoxes().answer(Answer::Yes);
    fakeBoxes().answer(Answer::Ok);
    save();
    const QString said = fakeBoxes().shown[3].request.text;
    EXPECT_TRUE(said.startsWith(QStringLiteral("セーブできませんでした"))) << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("普通のファイルではない"))) << said.toStdString();
    // There was no save to keep, and the message does not pretend there was.
    EXPECT_FALSE(said.contains(QStringLiteral("前のセーブデータ"))) << said.toStdString();
    EXPECT_TRUE(isFifo(path()));

    // A link to a device that never ends is refused at once, and kept.
    QFile::remove(path());
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path()));
    fakeBoxes().answer(Answer::Yes);
    fakeBoxes().answer(Answer::Ok);
    load();
    EXPECT_TRUE(
        fakeBoxes().shown[5].request.text.contains(QStringLiteral("普通のファイルではない")));
    EXPECT_EQ(QFileInfo(path()).symLinkTarget(), QStringLiteral("/dev/zero"));
    EXPECT_EQ(g(), before);
    EXPECT_TRUE(menu->isShown());

    // A link to a regular file is followed, and stays a link.
    const QString real = folder() + QStringLiteral("/elsewhere.dat");
    {
        QFile f(real);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(554, '\0'));
    }
    QFile::remove(path());
    ASSERT_TRUE(QFile::link(real, path()));
    g().money = 777;
    fakeBoxes().answer(Answer::Yes);
    fakeBoxes().expect(QStringLiteral("セーブしました"), Answer::Ok);
    save();
    EXPECT_TRUE(QFileInfo(path()).isSymLink());
    EXPECT_EQ(fileBytes(), encodeSaveRecord(g()));
}

TEST_F(SaveLoadTest, AHugeSaveFileIsRefusedUntouched) {
    // Sparse: 64 MiB on paper, nothing on the disk. Keeping its tail would
    // mean reading and writing all of it while the window waits.
    writeFile(QByteArray(554, '\x04'));
    {
        QFile f(path());
        ASSERT_TRUE(f.resize(qint64(64) << 20));
    }
    QElapsedTimer clock;
    clock.start();
    fakeBoxes().answer(Answer::Yes);
    fakeBoxes().answer(Answer::Ok);
    save();
    EXPECT_LT(clock.elapsed(), 1000);
    const QString said = fakeBoxes().shown[1].request.text;
    EXPECT_TRUE(said.startsWith(QStringLiteral("セーブできませんでした。前のセーブデータはそのまま"
                                               "残っています。")))
        << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("大きすぎ"))) << said.toStdString();
    EXPECT_EQ(QFileInfo(path()).size(), qint64(64) << 20);
    QFile f(path());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.read(554), QByteArray(554, '\x04'));
}

TEST_F(SaveLoadTest, ASaveClearsTheLeftoversOfAnInterruptedOne) {
    writeFile(QByteArray(554, '\x06'));
    const QDir data(folder() + QStringLiteral("/Data"));
    const QStringList leftovers = {QStringLiteral("Data.dat.aBcDeF"),
                                   QStringLiteral("Data.dat.QWERTY")};
    const QStringList others = {QStringLiteral("Data.dat.bak"), QStringLiteral("Data.dat.aBcDeFg"),
                                QStringLiteral("Data.dat.abc123"),
                                QStringLiteral("Other.dat.aBcDeF")};
    for (const QString& name : leftovers + others) {
        QFile f(data.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(554, '\x07'));
    }
    fakeBoxes().answer(Answer::Yes);
    fakeBoxes().expect(QStringLiteral("セーブしました"), Answer::Ok);
    save();
    QStringList expected = others;
    expected << QStringLiteral("Data.dat");
    expected.sort();
    EXPECT_EQ(data.entryList(QDir::Files, QDir::Name), expected);
    EXPECT_EQ(fileBytes(), encodeSaveRecord(g()));
}

namespace {
class LoadedSaveInBattleTest : public battle_support::BattleFixture {};
} // namespace

TEST_F(LoadedSaveInBattleTest, ASkillNumberNoSkillHasLeavesTheSkillsOpen) {
    // A save of a skill number that no skill has, as a damaged file gives.
    for (const int impossible : {5, -1, 32767}) {
        QByteArray rec = encodeSaveRecord(g());
        qToLittleEndian<qint16>(qint16(impossible), rec.data() + 138);
        {
            QFile f(folder() + QStringLiteral("/Data/Data.dat"));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(rec);
        }
        fakeBoxes().answer(Answer::Yes);
        QTest::mouseClick(find<TownMenu>()->loadButton, Qt::LeftButton);
        BattleWindow& b = start();
        QTest::keyClick(b.stopButton, Qt::Key_W);
        EXPECT_NE(find<SkillsWindow>(), nullptr) << impossible;
        EXPECT_TRUE(fakeBoxes().texts().filter(QStringLiteral("技能を使用中です")).isEmpty())
            << impossible;
        navigation::abandonMatch();
        settle();
    }
}
