#include "platform/Settings.h"
#include "platform/Language.h"
#include "platform/PlayerSettings.h"
#include "platform/WindowPlace.h"
#include "support/GameTest.h"

#include <QAction>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>

using namespace platform;
using namespace testing_support;

namespace {

class SettingsTest : public GameTest {
  protected:
    QMenu* menu() { return frame->menuBar()->findChild<QMenu*>(QStringLiteral("settings")); }
    QAction* item(const char* name) {
        QAction* a = menu()->findChild<QAction*>(QString::fromLatin1(name));
        if (!a)
            ADD_FAILURE() << "no item " << name;
        return a;
    }
    void writeSettings(const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(settingsFile()).path());
        QFile f(settingsFile());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

} // namespace

TEST_F(SettingsTest, TheMenuComesAfterTheLanguageMenuNamedForBothReaders) {
    QStringList order;
    for (QAction* a : frame->menuBar()->actions())
        order << (a->menu() ? a->menu()->objectName() : QString());
    EXPECT_EQ(order.mid(0, 3), (QStringList{QStringLiteral("file"), QStringLiteral("language"),
                                            QStringLiteral("settings")}));
    EXPECT_EQ(menu()->title(), QStringLiteral("設定 (&Settings)"));
    EXPECT_EQ(item("MusicOn")->text(), QStringLiteral("音楽を鳴らす(&M)"));
    copyFromGame(QStringLiteral("translations/kobusato_en.qm"));
    ASSERT_TRUE(applyLanguage(Language::English));
    settle();
    EXPECT_EQ(menu()->title(), QStringLiteral("設定 (&Settings)"));
    EXPECT_EQ(item("MusicOn")->text(), QStringLiteral("&Music"));
    EXPECT_EQ(item("SizeDesktop")->text(), QStringLiteral("As the &desktop"));
}

// With nothing chosen: music on at its own level, the desktop's size.
TEST_F(SettingsTest, NothingChosenIsTheGameAsItWas) {
    EXPECT_TRUE(item("MusicOn")->isChecked());
    EXPECT_TRUE(item("Volume100")->isChecked());
    EXPECT_TRUE(item("SizeDesktop")->isChecked());
    EXPECT_EQ(rememberedGameSize(), GameSize::Desktop);
    EXPECT_FALSE(rememberedWindowPlace());
}

TEST_F(SettingsTest, MusicChoicesApplyAtOnceAndAreRemembered) {
    item("Volume50")->trigger();
    EXPECT_DOUBLE_EQ(fakeMidi().volume, 0.5);
    item("MusicOn")->trigger();
    EXPECT_FALSE(item("MusicOn")->isChecked());
    EXPECT_DOUBLE_EQ(fakeMidi().volume, 0.0);
    EXPECT_TRUE(item("Volume50")->isChecked()) << "off keeps the volume to come back to";

    // The next start's menu shows what was chosen.
    delete frame;
    frame = new kobu::MainWindow();
    EXPECT_FALSE(item("MusicOn")->isChecked());
    EXPECT_TRUE(item("Volume50")->isChecked());
    EXPECT_EQ(deviceVolume(rememberedMusic()), 0.0);

    item("MusicOn")->trigger();
    EXPECT_DOUBLE_EQ(fakeMidi().volume, 0.5);
    item("MusicOn")->trigger();
    // Choosing a volume while off is asking to hear it.
    item("Volume25")->trigger();
    EXPECT_TRUE(item("MusicOn")->isChecked());
    EXPECT_DOUBLE_EQ(fakeMidi().volume, 0.25);
    EXPECT_EQ(rememberedMusic().volume, 25);
    EXPECT_TRUE(rememberedMusic().on);
}

// A hand-edited file: only the menu's own values count.
TEST_F(SettingsTest, ValuesTheMenuNeverWritesAreTheDefaults) {
    writeSettings("[music]\nvolume=0\non=true\n[General]\nsize=123\n");
    EXPECT_EQ(rememberedMusic().volume, 100);
    EXPECT_EQ(rememberedGameSize(), GameSize::Desktop);
    writeSettings("[music]\nvolume=loud\n[window]\ngeometry=@Rect(0 0 10 10)\n");
    EXPECT_EQ(rememberedMusic().volume, 100);
    EXPECT_FALSE(rememberedWindowPlace()) << "a window too small to find again";
}

TEST_F(SettingsTest, TheSizeIsRememberedForTheNextStartAndTheMenuSaysSo) {
    item("Size200")->trigger();
    EXPECT_TRUE(item("Size200")->isChecked());
    EXPECT_EQ(rememberedGameSize(), GameSize::Percent200);
    EXPECT_FALSE(item("SizeNote")->isEnabled());
    EXPECT_EQ(item("SizeNote")->text(), QStringLiteral("大きさは次に起動したときから変わります"));
    item("SizeDesktop")->trigger();
    EXPECT_EQ(rememberedGameSize(), GameSize::Desktop);
}

// The size becomes Qt's scale before the application object; a scale the
// environment sets wins.
TEST(GameSize, TheRememberedSizeIsQtsScaleUnlessTheEnvironmentChoseOne) {
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    const QByteArray enable = qgetenv("QT_ENABLE_HIGHDPI_SCALING");
    const QByteArray screens = qgetenv("QT_SCREEN_SCALE_FACTORS");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_ENABLE_HIGHDPI_SCALING");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");

    EXPECT_EQ(applyGameSize(GameSize::Desktop), GameSize::Desktop);
    EXPECT_TRUE(qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR"));
    EXPECT_EQ(applyGameSize(GameSize::Percent150), GameSize::Percent150);
    EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), "1.5");
    EXPECT_EQ(qgetenv("QT_ENABLE_HIGHDPI_SCALING"), "0");
    EXPECT_EQ(startedGameSize(), GameSize::Percent150);

    qunsetenv("QT_ENABLE_HIGHDPI_SCALING");
    qputenv("QT_SCALE_FACTOR", "3");
    EXPECT_EQ(applyGameSize(GameSize::Percent200), GameSize::Desktop);
    EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), "3");
    EXPECT_TRUE(qEnvironmentVariableIsEmpty("QT_ENABLE_HIGHDPI_SCALING"));

    for (const auto& [name, value] : {std::pair{"QT_SCALE_FACTOR", factor},
                                      {"QT_ENABLE_HIGHDPI_SCALING", enable},
                                      {"QT_SCREEN_SCALE_FACTORS", screens}})
        value.isEmpty() ? qunsetenv(name) : qputenv(name, value);
    applyGameSize(GameSize::Desktop);
}

TEST(WindowPlace, AWindowOnAScreenThatIsGoneOpensOnOneThatIsThere) {
    const QRect left(0, 0, 1920, 1080);
    const QRect right(1920, 0, 2560, 1440);
    // On the right screen it stays as it was.
    EXPECT_EQ(onScreens(QRect(2000, 100, 1200, 900), {left, right}), QRect(2000, 100, 1200, 900));
    // The right screen gone: onto the left one, whole.
    EXPECT_EQ(onScreens(QRect(2000, 100, 1200, 900), {left}), QRect(720, 100, 1200, 900));
    // Larger than the screen there is: shrunk to it.
    EXPECT_EQ(onScreens(QRect(2000, 100, 2400, 1400), {left}), QRect(0, 0, 1920, 1080));
    // Mostly on the right, partly off its bottom: onto the right, pulled up.
    EXPECT_EQ(onScreens(QRect(1800, 1000, 800, 600), {left, right}), QRect(1920, 840, 800, 600));
    // Above and left of everything: onto the first screen's corner.
    EXPECT_EQ(onScreens(QRect(-5000, -5000, 800, 600), {right, left}), QRect(1920, 0, 800, 600));
    EXPECT_FALSE(onScreens(QRect(0, 0, 800, 600), {}));
}

TEST_F(SettingsTest, TheMainWindowOpensWhereItWasLeft) {
    keepWindowPlace(frame);
    frame->showNormal();
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect wanted(room.left() + 40, room.top() + 30, room.width() / 2, room.height() / 2);
    frame->setGeometry(wanted);
    QTRY_VERIFY(rememberedWindowPlace().has_value());
    EXPECT_EQ(rememberedWindowPlace()->geometry, frame->geometry());
    EXPECT_FALSE(rememberedWindowPlace()->maximized);

    QWidget next;
    ASSERT_EQ(restoreWindowPlace(&next), std::optional<bool>(false));
    EXPECT_EQ(next.geometry(), frame->geometry());

    // Left on a screen to the right that this desktop no longer has.
    rememberWindowPlace({QRect(room.right() + 500, room.top(), 300, 250), true});
    QWidget moved;
    ASSERT_EQ(restoreWindowPlace(&moved), std::optional<bool>(true));
    EXPECT_TRUE(room.contains(moved.geometry())) << moved.geometry().x();
    EXPECT_EQ(moved.size(), QSize(300, 250));
}
