#include "platform/Language.h"
#include "platform/GameWindow.h"
#include "platform/Settings.h"
#include "support/FifoTrap.h"
#include "support/GameTest.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QSettings>

using namespace platform;
using testing_support::GameTest;
using testing_support::settle;

namespace {

// Counts the LanguageChange events an open window receives.
struct OpenWindow : GameWindow {
    OpenWindow() : GameWindow(QStringLiteral("OpenWindow")) {}
    void changeEvent(QEvent* e) override {
        if (e->type() == QEvent::LanguageChange)
            ++languageChanges;
        GameWindow::changeEvent(e);
    }
    int languageChanges = 0;
};

class LanguageTest : public GameTest {
  protected:
    QMenu* fileMenu() { return frame->menuBar()->findChild<QMenu*>(QStringLiteral("file")); }
    QMenu* languageMenu() {
        return frame->menuBar()->findChild<QMenu*>(QStringLiteral("language"));
    }
    QAction* item(const char* name) {
        return languageMenu()->findChild<QAction*>(QString::fromLatin1(name));
    }
    void choose(const char* name) {
        item(name)->trigger();
        settle();
    }
    QString settingsFile() const {
        return folder() + QStringLiteral("/config/kobusato/kobusato.conf");
    }
    QString rememberedCode() const {
        return QSettings(settingsFile(), QSettings::IniFormat)
            .value(QStringLiteral("language"))
            .toString();
    }
};

} // namespace

TEST(LanguageOption, ReadsTheRunsLanguageAndRefusesWhatItDoesNotKnow) {
    struct Case {
        std::vector<const char*> args;
        std::optional<Language> language;
        bool error;
    };
    const Case cases[] = {
        {{"kobusato"}, std::nullopt, false},
        {{"kobusato", "--lang=en"}, Language::English, false},
        {{"kobusato", "--lang=ja"}, Language::Japanese, false},
        {{"kobusato", "--lang", "en"}, Language::English, false},
        {{"kobusato", "--lang=en", "--lang=ja"}, Language::Japanese, false},
        {{"kobusato", "-platform", "offscreen", "--lang=en"}, Language::English, false},
        {{"kobusato", "--", "--lang=en"}, std::nullopt, false},
        {{"kobusato", "--lang=fr"}, std::nullopt, true},
        {{"kobusato", "--lang="}, std::nullopt, true},
        {{"kobusato", "--lang=EN"}, std::nullopt, true},
        {{"kobusato", "--lang"}, std::nullopt, true},
        {{"kobusato", "--lang=fr", "--lang=en"}, std::nullopt, true},
    };
    for (const Case& c : cases) {
        const LanguageOption o = languageOption(int(c.args.size()), c.args.data());
        std::string line;
        for (const char* a : c.args)
            line += std::string(a) + ' ';
        EXPECT_EQ(o.language, c.language) << line;
        EXPECT_EQ(!o.error.empty(), c.error) << line << o.error;
    }
}

TEST(LanguageOption, AnUnknownLanguageEndsTheProgramWithStatus2) {
    QProcess game;
    game.setProgram(QStringLiteral(KOBUSATO_GAME_DIR "/kobusato"));
    game.setArguments({QStringLiteral("--lang=fr")});
    game.start();
    ASSERT_TRUE(game.waitForFinished(20000));
    EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(game.exitCode(), 2);
    const QString said = QString::fromLocal8Bit(game.readAllStandardError());
    EXPECT_TRUE(said.contains(QStringLiteral("--lang")) && said.contains(QStringLiteral("fr")))
        << said.toStdString();
    EXPECT_TRUE(game.readAllStandardOutput().isEmpty());
}

TEST_F(LanguageTest, WithNoChoiceTheGameIsJapaneseOnAnEnglishDesktop) {
    copyFromGame(QStringLiteral("translations/kobusato_en.qm"));
    const QByteArray lang = qgetenv("LANG"), all = qgetenv("LC_ALL");
    qputenv("LANG", "en_US.UTF-8");
    qputenv("LC_ALL", "en_US.UTF-8");
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));

    startLanguage(std::nullopt);
    settle();
    EXPECT_EQ(currentLanguage(), Language::Japanese);
    EXPECT_EQ(fileMenu()->title(), QStringLiteral("ファイル(&F)"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("はい(&Y)"));
    EXPECT_TRUE(item("Japanese")->isChecked());

    QLocale::setDefault(before);
    for (const auto& [name, value] : {std::pair{"LANG", lang}, std::pair{"LC_ALL", all}}) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
}

TEST_F(LanguageTest, TheRunsLanguageIsForgottenTheMenusIsRemembered) {
    copyFromGame(QStringLiteral("translations/kobusato_en.qm"));
    startLanguage(Language::English); // --lang=en
    EXPECT_EQ(currentLanguage(), Language::English);
    EXPECT_EQ(rememberedLanguage(), Language::Japanese);
    EXPECT_FALSE(QFile::exists(settingsFile()));

    choose("English");
    EXPECT_EQ(rememberedCode(), QStringLiteral("en"));
    // The next run, with no option, and one with --lang=ja.
    applyLanguage(Language::Japanese);
    startLanguage(std::nullopt);
    EXPECT_EQ(currentLanguage(), Language::English);
    startLanguage(Language::Japanese);
    EXPECT_EQ(currentLanguage(), Language::Japanese);
    EXPECT_EQ(rememberedLanguage(), Language::English);

    choose("Japanese");
    EXPECT_EQ(rememberedCode(), QStringLiteral("ja"));
}

TEST_F(LanguageTest, ChoosingEnglishReachesTheMenusAndEveryOpenWindowAtOnce) {
    copyFromGame(QStringLiteral("translations/kobusato_en.qm"));
    auto& window = forms().show<OpenWindow>();
    settle();
    window.languageChanges = 0;

    choose("English");
    EXPECT_GE(window.languageChanges, 1);
    EXPECT_EQ(fileMenu()->title(), QStringLiteral("&File"));
    EXPECT_EQ(frame->newAction()->text(), QStringLiteral("&New Game"));
    EXPECT_EQ(frame->exitAction()->text(), QStringLiteral("E&xit"));
    // Qt's own buttons follow: its source texts are English.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
    // The language menu reads the same in both languages, the choice checked.
    EXPECT_EQ(languageMenu()->title(), QStringLiteral("言語 (&Language)"));
    EXPECT_EQ(item("Japanese")->text(), QStringLiteral("日本語"));
    EXPECT_TRUE(item("English")->isChecked());
    EXPECT_FALSE(item("Japanese")->isChecked());

    const int seen = window.languageChanges;
    choose("Japanese");
    EXPECT_GT(window.languageChanges, seen);
    EXPECT_EQ(fileMenu()->title(), QStringLiteral("ファイル(&F)"));
    EXPECT_EQ(frame->storyAction()->text(), QStringLiteral("すと～り～(&S)"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("はい(&Y)"));
    EXPECT_TRUE(item("Japanese")->isChecked());
}

TEST_F(LanguageTest, WithoutItsTranslationTheGameStaysJapaneseAndSaysSoOnce) {
    // An unreadable file is no better than none.
    QDir(folder()).mkpath(QStringLiteral("translations"));
    QFile junk(folder() + QStringLiteral("/translations/kobusato_en.qm"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a translation");
    junk.close();

    ::testing::internal::CaptureStderr();
    choose("English");
    choose("English");
    startLanguage(Language::English);
    const QString said = QString::fromLocal8Bit(::testing::internal::GetCapturedStderr());

    EXPECT_EQ(currentLanguage(), Language::Japanese);
    EXPECT_EQ(fileMenu()->title(), QStringLiteral("ファイル(&F)"));
    EXPECT_TRUE(item("Japanese")->isChecked());
    EXPECT_FALSE(item("English")->isChecked());
    EXPECT_FALSE(QFile::exists(settingsFile()));
    EXPECT_EQ(said.count(QStringLiteral("kobusato_en.qm")), 1) << said.toStdString();
}

TEST_F(LanguageTest, EveryEnglishPictureStandsInForAJapaneseOneOfItsSize) {
    copyFromGame(QStringLiteral("translations/kobusato_en.qm"));
    QStringList japanese;
    for (const QString& dir : {QStringLiteral(KOBUSATO_GAME_DIR "/Bmps"),
                               QStringLiteral(KOBUSATO_GAME_DIR "/Jpegs"), QStringLiteral(":/ui")})
        for (const QFileInfo& f : QDir(dir).entryInfoList(QDir::Files))
            japanese << f.filePath();
    ASSERT_EQ(japanese.size(), 26 + 11 + 38);

    EXPECT_EQ(localizedPicture(japanese[0]), japanese[0]);
    choose("English");
    int english = 0;
    for (const QString& path : japanese) {
        const QString shown = localizedPicture(path);
        if (shown == path)
            continue;
        ++english;
        const QImage theirs(path), ours(shown);
        ASSERT_FALSE(ours.isNull()) << shown.toStdString();
        EXPECT_EQ(ours.size(), theirs.size()) << shown.toStdString();
        EXPECT_NE(ours, theirs) << shown.toStdString();
    }
    // Each English picture found, none beside a picture that is not there.
    int painted = 0;
    for (const QString& dir :
         {QStringLiteral(KOBUSATO_GAME_DIR "/Bmps/en"),
          QStringLiteral(KOBUSATO_GAME_DIR "/Jpegs/en"), QStringLiteral(":/ui/en")})
        painted += int(QDir(dir).entryList(QDir::Files).size());
    EXPECT_EQ(english, painted);
    // The lettered ones of each kind, and a picture without lettering.
    for (const char* lettered :
         {":/ui/staff_image1.png", ":/ui/power_image1.png", KOBUSATO_GAME_DIR "/Bmps/初期絵19.bmp",
          KOBUSATO_GAME_DIR "/Jpegs/背景画11.jpg"})
        EXPECT_TRUE(localizedPicture(QString::fromUtf8(lettered)).contains(QStringLiteral("/en/")))
            << lettered;
    EXPECT_EQ(localizedPicture(QStringLiteral(":/ui/battle_attack.png")),
              QStringLiteral(":/ui/battle_attack.png"));
}

namespace {

class SettingsFileTest : public LanguageTest {
  protected:
    void SetUp() override {
        LanguageTest::SetUp();
        copyFromGame(QStringLiteral("translations/kobusato_en.qm"));
        QDir().mkpath(QFileInfo(settingsFile()).path());
    }
    void writeSettings(const QByteArray& bytes) {
        QFile f(settingsFile());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray settingsBytes() {
        QFile f(settingsFile());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Standard error while `f` runs.
    template <class F> QString saidDuring(F f) {
        ::testing::internal::CaptureStderr();
        f();
        return QString::fromLocal8Bit(::testing::internal::GetCapturedStderr());
    }
};

} // namespace

// A FIFO, a folder or a file far too large for settings is never read or
// written: the defaults, said once, and the choice holds for the run.
TEST_F(SettingsFileTest, OnlyASmallRegularFileIsReadOrWritten) {
    const QString notRemembered = QStringLiteral("the language could not be remembered");
    {
        const testing_support::FifoTrap fifo(settingsFile());
        ASSERT_TRUE(fifo.made());
        const QString said = saidDuring([] {
            EXPECT_EQ(rememberedLanguage(), Language::Japanese);
            EXPECT_EQ(rememberedLanguage(), Language::Japanese);
        });
        EXPECT_EQ(said.count(settingsFile() + QStringLiteral(" is not a regular file")), 1)
            << said.toStdString();
        const QString chose = saidDuring([&] { choose("English"); });
        EXPECT_EQ(currentLanguage(), Language::English);
        EXPECT_TRUE(chose.contains(notRemembered)) << chose.toStdString();
        EXPECT_EQ(fifo.readersCaught(), 0) << "the game waited on the FIFO";
        EXPECT_FALSE(QFileInfo(settingsFile()).isFile()) << "the FIFO was replaced";
        choose("Japanese");
    }
    ASSERT_TRUE(QFile::remove(settingsFile()));

    ASSERT_TRUE(QDir().mkdir(settingsFile()));
    QString said = saidDuring([&] {
        EXPECT_EQ(rememberedLanguage(), Language::Japanese);
        choose("English");
    });
    EXPECT_TRUE(said.contains(QStringLiteral(" is a folder, not a file"))) << said.toStdString();
    EXPECT_TRUE(said.contains(notRemembered)) << said.toStdString();
    EXPECT_TRUE(QFileInfo(settingsFile()).isDir());
    choose("Japanese");
    ASSERT_TRUE(QDir().rmdir(settingsFile()));

    const QByteArray large = "language=en\n" + QByteArray(kMaxSettingsBytes, '#');
    writeSettings(large);
    said = saidDuring([&] {
        EXPECT_EQ(rememberedLanguage(), Language::Japanese);
        choose("English");
    });
    EXPECT_TRUE(said.contains(QStringLiteral(" is too large"))) << said.toStdString();
    EXPECT_TRUE(said.contains(notRemembered)) << said.toStdString();
    EXPECT_EQ(settingsBytes(), large) << "a file it could not read was written over";
}

TEST_F(SettingsFileTest, AFileItCannotParseIsNotBlamedForAWriteThatSucceeded) {
    writeSettings("[unclosed\nvolume=3\n\x01\x02\xff=\n");
    const QString said = saidDuring([&] { choose("English"); });
    EXPECT_FALSE(said.contains(QStringLiteral("could not be remembered"))) << said.toStdString();
    EXPECT_EQ(rememberedCode(), QStringLiteral("en"));
    EXPECT_EQ(rememberedLanguage(), Language::English);
}

TEST_F(SettingsFileTest, ASettingWrittenKeepsTheOthersAndAFailedWriteIsSaid) {
    writeSettings("[General]\nvolume=3\n");
    choose("English");
    EXPECT_EQ(rememberedCode(), QStringLiteral("en"));
    EXPECT_EQ(setting(QStringLiteral("volume")).toInt(), 3);

    // No folder can be made for the file: a real failure, and said.
    const QString own = QFileInfo(settingsFile()).path();
    ASSERT_TRUE(QDir(own).removeRecursively());
    QFile blocker(own);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString said = saidDuring([&] { choose("Japanese"); });
    EXPECT_TRUE(said.contains(QStringLiteral("the language could not be remembered")))
        << said.toStdString();
    EXPECT_EQ(currentLanguage(), Language::Japanese);
}
