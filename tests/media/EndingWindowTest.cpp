#include "media/EndingWindow.h"
#include "character/NameEntryWindow.h"
#include "platform/Pictures.h"
#include "platform/Language.h"
#include "support/FifoTrap.h"
#include "support/GameTest.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <cstdlib>

using namespace testing_support;
using namespace kobu;
using testing_support::FifoTrap;

namespace {

const QStringList kFlip = {"2",  "3",  "4-5", "5",  "7",  "9",  "10", "11", "12",
                           "13", "14", "15",  "16", "17", "18", "20", "21", "22",
                           "24", "25", "26",  "27", "28", "29", "30"};

class EndingTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        for (const QString& n : kFlip)
            copyFromGame(QStringLiteral("Bmps/初期絵%1.bmp").arg(n));
        copyFromGame(QStringLiteral("Bmps/初期絵19.bmp"));
        for (int n = 1; n <= 11; ++n)
            copyFromGame(QStringLiteral("Jpegs/背景画%1.jpg").arg(n, 2, 10, QLatin1Char('0')));
        EndingWindow::sweepSeconds = 0;
        EndingWindow::observer = [](const QString& s) { trace().append(s); };
    }
    void TearDown() override {
        EndingWindow::observer = {};
        EndingWindow::sweepSeconds = 0.5;
        GameTest::TearDown();
    }
    void play() {
        forms().show<EndingWindow>();
        forms().close<EndingWindow>();
    }
    QStringList steps(const QString& prefix) const {
        QStringList out;
        for (const QString& s : trace())
            if (s.startsWith(prefix))
                out.append(s);
        return out;
    }
};

} // namespace

TEST_F(EndingTest, TheWholeSequenceInOrder) {
    g().playerName = QStringLiteral("たろう");
    g().money = 9999;
    fakeBoxes().expect(QStringLiteral("もう一度しますか"), platform::Answer::Yes);
    play();

    const QStringList& t = trace();
    // The ending music comes first, before anything is shown.
    ASSERT_GE(t.size(), 2);
    EXPECT_EQ(t[0], QStringLiteral("midi:play:") + g().musicPaths[3]);
    EXPECT_EQ(t[1], QStringLiteral("events"));

    // The flip-book: each picture, then its pause and an event run.
    for (int i = 0; i < kFlip.size(); ++i) {
        const int at = 2 + 3 * i;
        EXPECT_EQ(t[at], QStringLiteral("picture:初期絵") + kFlip[i]);
        EXPECT_EQ(t[at + 1], QStringLiteral("sleep:200"));
        EXPECT_EQ(t[at + 2], QStringLiteral("events"));
    }
    EXPECT_EQ(t[2 + 3 * 25], QStringLiteral("sleep:1000"));

    // The six sweeps with their preparations, counters and backgrounds.
    const QStringList sweeps = steps(QStringLiteral("sweep:"));
    ASSERT_EQ(sweeps.size(), 6);
    EXPECT_EQ(sweeps[0], QStringLiteral("sweep:Width:25601:0:7680"));
    EXPECT_EQ(sweeps[1], QStringLiteral("sweep:Width:25601:0:7680"));
    EXPECT_EQ(sweeps[2], QStringLiteral("sweep:Left:25667:7700:0.2"));
    EXPECT_TRUE(sweeps[3].startsWith(QStringLiteral("sweep:Height:")));
    EXPECT_TRUE(sweeps[4].startsWith(QStringLiteral("sweep:Width:")));
    EXPECT_EQ(sweeps[5], QStringLiteral("sweep:Left:25667:7700:0.2"));

    const int first = int(t.indexOf(QStringLiteral("sleep:1000")));
    const QStringList rows = t.mid(first + 1, 6 * 5);
    const QStringList expectedRows = {
        "prepare:Width:0",   "picture:初期絵19", sweeps[0], "sleep:200", "background:初期絵19",
        "prepare:Width:0",   "picture:背景画01", sweeps[1], "sleep:200", "background:背景画01",
        "prepare:Left:7700", "picture:背景画02", sweeps[2], "sleep:200", "background:背景画02",
        "prepare:Height:0",  "picture:背景画03", sweeps[3], "sleep:200", "background:背景画03",
        "picture:背景画04",  "prepare:Width:0",  sweeps[4], "sleep:200", "background:背景画04",
    };
    EXPECT_EQ(rows.mid(0, 25), expectedRows);
    EXPECT_EQ(t.mid(first + 26, 4),
              (QStringList{"picture:初期絵30", sweeps[5], "sleep:200", "background:初期絵30"}));

    // The staff roll, then the last picture straight onto the background.
    const QStringList tail = t.mid(first + 30);
    for (int n = 5; n <= 10; ++n) {
        const QString name = QStringLiteral("背景画%1").arg(n, 2, 10, QLatin1Char('0'));
        const int at = 4 * (n - 5);
        EXPECT_EQ(tail.mid(at, 4),
                  (QStringList{"picture:" + name, "sleep:200", "events", "background:" + name}));
    }
    EXPECT_EQ(tail.mid(24, 3),
              (QStringList{"picture:背景画11", "background:背景画11", "box:もう一度しますか"}));

    EXPECT_EQ(fakeClock().totalSleep(), 8400);
    EXPECT_EQ(fakeBoxes().shown[0].request.title, QStringLiteral("確認"));
    EXPECT_EQ(fakeBoxes().shown[0].request.icon, platform::BoxIcon::Question);

    // Yes: a new game in name entry.
    EXPECT_TRUE(g().playerName.isEmpty());
    EXPECT_EQ(g().money, i16(100));
    ASSERT_NE(find<NameEntryWindow>(), nullptr);
    EXPECT_TRUE(find<NameEntryWindow>()->isShown());
    EXPECT_EQ(find<EndingWindow>(), nullptr);
}

TEST_F(EndingTest, TheSweepsEndWhereTheirCountersDo) {
    fakeBoxes().answerWhile(platform::Answer::Yes, [this] {
        EndingWindow* f = find<EndingWindow>();
        ASSERT_NE(f, nullptr);
        // The last slide left the picture at 0.2 twips, as its counter did.
        EXPECT_FLOAT_EQ(f->slide->leftTw(), 0.2f);
        EXPECT_FALSE(f->background().isNull());
        EXPECT_EQ(f->slide->picture().size(), QSize(512, 385));
    });
    play();
    // The height and width sweeps run to the window's outer size, which is
    // the picture's own without a caption bar.
    const QStringList sweeps = steps(QStringLiteral("sweep:"));
    const QStringList h = sweeps[3].split(QLatin1Char(':'));
    const QStringList w = sweeps[4].split(QLatin1Char(':'));
    const double height = h[4].toDouble();
    const double width = w[4].toDouble();
    EXPECT_GE(height, 5775);
    EXPECT_GE(width, 7680);
    EXPECT_EQ(h[2].toInt(), int(height / 0.3) + 1);
    EXPECT_EQ(w[2].toInt(), int(width / 0.3 + 1e-9) + 1);
}

TEST_F(EndingTest, AMissingPictureIsLeftOut) {
    QFile::remove(folder() + QStringLiteral("/Bmps/初期絵12.bmp"));
    QFile::remove(folder() + QStringLiteral("/Jpegs/背景画03.jpg"));
    fakeBoxes().expect(QStringLiteral("もう一度しますか"), platform::Answer::Yes);
    play();
    EXPECT_EQ(fakeClock().totalSleep(), 8400);
    EXPECT_NE(find<NameEntryWindow>(), nullptr);
}

TEST_F(EndingTest, WithNoPicturesAtAllItStillAsks) {
    QDir(folder() + QStringLiteral("/Bmps")).removeRecursively();
    QDir(folder() + QStringLiteral("/Jpegs")).removeRecursively();
    fakeBoxes().expect(QStringLiteral("もう一度しますか"), platform::Answer::Yes);
    play();
    EXPECT_NE(find<NameEntryWindow>(), nullptr);
}

TEST_F(EndingTest, NoEndsTheProgram) {
    EXPECT_EXIT(
        {
            fakeBoxes().answer(platform::Answer::No);
            play();
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(EndingTest, NewGameDuringAnEventRunStopsTheSequence) {
    g().playerName = QStringLiteral("たろう");
    int runs = 0;
    fakeClock().onDoEvents = [&] {
        if (++runs == 5) {
            fakeBoxes().expect(QStringLiteral("終了してもよろしいですか？"), platform::Answer::Yes);
            frame->newAction()->trigger();
        }
    };
    play();
    EXPECT_EQ(find<EndingWindow>(), nullptr);
    EXPECT_NE(find<NameEntryWindow>(), nullptr);
    // It went no further than the picture of that event run.
    EXPECT_TRUE(steps(QStringLiteral("sweep:")).isEmpty());
    EXPECT_FALSE(trace().contains(QStringLiteral("box:もう一度しますか")));
}

TEST(EndingPictures, EveryShippedPictureLoadsAtTheWindowsSize) {
    QStringList names;
    for (const QString& n : kFlip)
        names << QStringLiteral("Bmps/初期絵%1.bmp").arg(n);
    names << QStringLiteral("Bmps/初期絵19.bmp");
    for (int n = 1; n <= 11; ++n)
        names << QStringLiteral("Jpegs/背景画%1.jpg").arg(n, 2, 10, QLatin1Char('0'));
    for (const QString& n : names) {
        const QImage img(QStringLiteral(KOBUSATO_GAME_DIR "/") + n);
        EXPECT_FALSE(img.isNull()) << n.toStdString();
        EXPECT_EQ(img.size(), QSize(512, 385)) << n.toStdString();
    }
    EXPECT_EQ(QImage(QStringLiteral(":/ui/staff_image1.png")).size(), QSize(1024, 772));
}

TEST_F(EndingTest, ItsCloseBoxWaitsForTheQuestion) {
    int runs = 0;
    fakeClock().onDoEvents = [&] {
        if (++runs == 5)
            find<EndingWindow>()->frame()->close();
    };
    fakeBoxes().expect(QStringLiteral("もう一度しますか"), platform::Answer::Yes);
    play();
    EXPECT_EQ(steps(QStringLiteral("sweep:")).size(), 6);
    EXPECT_NE(find<NameEntryWindow>(), nullptr);
}

TEST_F(EndingTest, AMissingPictureIsToldOncePerRun) {
    QFile::remove(folder() + QStringLiteral("/Bmps/初期絵30.bmp"));
    QFile::remove(folder() + QStringLiteral("/Jpegs/背景画07.jpg"));
    ::testing::internal::CaptureStderr();
    for (int round = 0; round < 2; ++round) {
        fakeBoxes().expect(QStringLiteral("もう一度しますか"), platform::Answer::Yes);
        play();
    }
    const QString said = QString::fromLocal8Bit(::testing::internal::GetCapturedStderr());
    // Each is used twice in every ending, and the ending played twice.
    for (const char* name : {"/Bmps/初期絵30.bmp", "/Jpegs/背景画07.jpg"})
        EXPECT_EQ(said.count(folder() + QString::fromUtf8(name)), 1) << said.toStdString();
}

TEST_F(EndingTest, APictureThatIsNoFileIsLeftOutSayingWhatItIs) {
    const QString folderPicture = folder() + QStringLiteral("/Bmps/初期絵12.bmp");
    const QString fifoPicture = folder() + QStringLiteral("/Jpegs/背景画03.jpg");
    QFile::remove(folderPicture);
    QFile::remove(fifoPicture);
    ASSERT_TRUE(QDir().mkdir(folderPicture));
    const FifoTrap fifo(fifoPicture);
    ASSERT_TRUE(fifo.made());
    ::testing::internal::CaptureStderr();
    fakeBoxes().expect(QStringLiteral("もう一度しますか"), platform::Answer::Yes);
    play();
    const QString said = QString::fromLocal8Bit(::testing::internal::GetCapturedStderr());
    EXPECT_EQ(fifo.readersCaught(), 0) << "the ending waited on a FIFO";
    EXPECT_TRUE(said.contains(folderPicture + QStringLiteral(" is a folder, not a file")))
        << said.toStdString();
    EXPECT_TRUE(said.contains(fifoPicture + QStringLiteral(" is not a regular file")))
        << said.toStdString();
    EXPECT_EQ(fakeClock().totalSleep(), 8400);
    EXPECT_NE(find<NameEntryWindow>(), nullptr);
}

namespace {

// How far two pictures of one size are apart: the share of pixels in which
// some channel differs by more than `by`.
double shareDiffering(const QImage& a, const QImage& b, int by) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    if (x.size() != y.size())
        return 1.0;
    long long differing = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            if (std::abs(qRed(p) - qRed(q)) > by || std::abs(qGreen(p) - qGreen(q)) > by ||
                std::abs(qBlue(p) - qBlue(q)) > by)
                ++differing;
        }
    return double(differing) / (double(x.width()) * x.height());
}

class DenseEndingTest : public EndingTest {
  protected:
    void SetUp() override {
        EndingTest::SetUp();
        for (const QString& n : kFlip)
            copyFromGame(QStringLiteral("Bmps/2x/初期絵%1.png").arg(n));
    }
};

} // namespace

// On a screen of twice the density the ending shows the pictures drawn at
// twice the size: twice the pixels each way, the same picture, and finer
// than the plain one stretched. Run in a process of its own at Qt's scale 2.
TEST_F(DenseEndingTest, AtTwiceTheDensityThePicturesAreDrawnAtTwiceTheSize) {
    if (frame->devicePixelRatioF() < 2.0) {
        QProcess self;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
        self.setProcessEnvironment(env);
        self.setProcessChannelMode(QProcess::ForwardedChannels);
        self.start(QCoreApplication::applicationFilePath(),
                   {QStringLiteral("--gtest_filter=DenseEndingTest.*")});
        ASSERT_TRUE(self.waitForFinished(120000));
        EXPECT_EQ(self.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(self.exitCode(), 0);
        return;
    }
    QString shown;
    EndingWindow::observer = [&](const QString& s) {
        if (s.startsWith(QStringLiteral("picture:")))
            shown = s.mid(8);
    };
    QImage grabbed;
    QString grabbedName;
    fakeClock().onDoEvents = [&] {
        if (!grabbed.isNull() || !shown.startsWith(QStringLiteral("初期絵")))
            return;
        grabbed = find<EndingWindow>()->slide->grab().toImage();
        grabbedName = shown;
    };
    fakeBoxes().expect(QStringLiteral("もう一度しますか"), platform::Answer::Yes);
    play();
    ASSERT_FALSE(grabbed.isNull());
    const QImage plain(folder() + QStringLiteral("/Bmps/") + grabbedName + QStringLiteral(".bmp"));
    const QImage dense(folder() + QStringLiteral("/Bmps/2x/") + grabbedName +
                       QStringLiteral(".png"));
    ASSERT_EQ(plain.size(), QSize(512, 385));
    EXPECT_EQ(grabbed.size(), plain.size() * 2);
    EXPECT_LT(shareDiffering(grabbed, dense, 2), 0.001) << "not the picture drawn at 2x";
    // The same drawing: shrunk back, it is the plain one but for its edges.
    EXPECT_LT(
        shareDiffering(dense.scaled(plain.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                       plain, 48),
        0.03);
    // And finer than the plain one stretched.
    EXPECT_GT(shareDiffering(grabbed, plain.scaled(grabbed.size()), 48), 0.01);
}

// The picture drawn at twice the size where one is, else the plain one.
TEST_F(EndingTest, ADensePictureStandsInOnlyWhereOneIsAndCanBeRead) {
    const QString plain = folder() + QStringLiteral("/Bmps/初期絵2.bmp");
    QString why;
    EXPECT_EQ(platform::readPictureFor(plain, 2.0, why).size(), QSize(512, 385));
    copyFromGame(QStringLiteral("Bmps/2x/初期絵2.png"));
    QImage dense = platform::readPictureFor(plain, 2.0, why);
    EXPECT_EQ(dense.size(), QSize(1024, 770));
    EXPECT_EQ(dense.devicePixelRatio(), 2.0);
    EXPECT_EQ(dense.deviceIndependentSize(), QSizeF(512, 385));
    EXPECT_EQ(platform::readPictureFor(plain, 1.0, why).size(), QSize(512, 385));
    // A damaged one is told and the plain one shown.
    QFile broken(folder() + QStringLiteral("/Bmps/2x/初期絵2.png"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("not a picture");
    broken.close();
    ::testing::internal::CaptureStderr();
    dense = platform::readPictureFor(plain, 2.0, why);
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(dense.size(), QSize(512, 385));
    EXPECT_NE(said.find("初期絵2.png"), std::string::npos) << said;
}

// ---- Heard -------------------------------------------------------------------

TEST_F(EndingTest, EachSceneIsToldAsItBeginsThenTheCredits) {
    // The pictures are told in their order on screen, each scene once, and
    // the credits come after the last card, before the question.
    EndingWindow::observer = [](const QString& s) {
        if (s.startsWith(QStringLiteral("picture:")))
            heard().append(s);
    };
    fakeBoxes().expect(QStringLiteral("もう一度しますか"), platform::Answer::Yes);
    play();
    const QStringList& h = heard();
    QStringList told; // the pictures after which something was said
    for (qsizetype i = 1; i < h.size(); ++i)
        if (!h[i].startsWith(QStringLiteral("picture:")) &&
            !h[i].startsWith(QStringLiteral("box:")))
            told.append(h[i - 1].startsWith(QStringLiteral("picture:")) ? h[i - 1].mid(8)
                                                                        : QStringLiteral("-"));
    const QStringList scenes = {"初期絵2",  "初期絵10", "初期絵15", "初期絵24", "初期絵29",
                                "初期絵30", "初期絵19", "背景画01", "背景画02", "背景画03",
                                "背景画04", "初期絵30", "背景画05", "背景画06", "背景画07",
                                "背景画08", "背景画09", "背景画10", "背景画11", "-"};
    EXPECT_EQ(told, scenes) << told.join(QLatin1Char(' ')).toStdString();
    ASSERT_GE(h.size(), 2);
    EXPECT_TRUE(h[h.size() - 2].contains(QStringLiteral("Kobusato チーム")));
    EXPECT_EQ(h.back(), QStringLiteral("box:もう一度しますか"));
    EXPECT_EQ(fakeAnnouncer().windows.front(), QStringLiteral("EndingWindow"));
}

TEST_F(EndingTest, EveryPictureIsDescribedInEnglishToo) {
    copyFromGame(QStringLiteral("translations/kobusato_en.qm"));
    ASSERT_TRUE(platform::applyLanguage(platform::Language::English));
    fakeBoxes().answer(platform::Answer::Yes);
    play();
    platform::applyLanguage(platform::Language::Japanese);
    const QStringList& said = fakeAnnouncer().said;
    ASSERT_EQ(said.size(), 20);
    for (const QString& s : said) {
        EXPECT_GT(s.size(), 8) << s.toStdString();
        for (QChar c : s)
            EXPECT_LT(c.unicode(), 0x3000) << s.toStdString();
    }
    EXPECT_TRUE(said.back().contains(QStringLiteral("Team Kobusato")));
}
